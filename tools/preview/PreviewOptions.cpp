#include "preview/PreviewOptions.h"

#include "cli/ProductionArguments.h"

const char kPreviewUsage[] =
    "usage: nimbus-preview [--at T] [--loop A B] [--commands] PATH\n"
    "  Plays the production PATH (dir/show: dir/show.dat or dir/data, document show.xml)\n"
    "  in a window with its music, from T seconds (0 unless given), and reloads it when\n"
    "  its files change, going on at the same time.\n"
    "  --loop A B plays the span from A to B seconds over and over.\n"
    "  --commands reads commands from standard input, one a line, and answers each with\n"
    "  one line on standard output that begins with ok or error: seek SECONDS, pause,\n"
    "  play, step N, part NAME, snap FILE.png, reload, time, quit.\n"
    "  Keys: Space pauses and plays; Left and Right seek 1 s, with Shift 10 s; Page Up\n"
    "  and Page Down go to the previous and next part; Home to the start; , and . step\n"
    "  a frame back and forward; L loops the current part; R reloads; F toggles full\n"
    "  screen; Escape quits.\n"
    "  --help prints this text, --version the version.\n";

bool ParsePreviewOptions(int argc, char** argv, PreviewOptions* options, std::string* error) {
    bool haveAt = false;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        const int values = option == "--at" ? 1 : option == "--loop" ? 2 : 0;
        if (i + values >= argc) {
            *error = option + " needs " + (values == 1 ? "a time" : "two times");
            return false;
        }
        if (option == "--at") {
            const char* value = argv[++i];
            if (!ReadMilliseconds(value, &options->atMilliseconds) || options->atMilliseconds < 0) {
                *error = "--at wants a time in seconds, not " + std::string(value);
                return false;
            }
            haveAt = true;
        } else if (option == "--loop") {
            const char* from = argv[++i];
            const char* to = argv[++i];
            if (!ReadMilliseconds(from, &options->loopFrom) ||
                !ReadMilliseconds(to, &options->loopTo) || options->loopFrom < 0 ||
                options->loopTo <= options->loopFrom) {
                *error = "--loop wants two times in seconds, the first before the second, not " +
                         std::string(from) + " " + to;
                return false;
            }
            options->loop = true;
        } else if (option == "--commands") {
            options->commands = true;
        } else if (!TakeProductionPath(option, &options->path, error)) {
            return false;
        }
    }
    if (!NamedProduction(options->path, error)) {
        return false;
    }
    if (options->loop && !haveAt) {
        options->atMilliseconds = options->loopFrom;
    }
    return true;
}
