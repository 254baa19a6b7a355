#include "preview/PreviewOptions.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

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

namespace {

// The longest show a preview can address, as for the capture tool.
constexpr double kLatestSeconds = 24.0 * 3600.0;

}  // namespace

bool ReadMilliseconds(const char* text, long* milliseconds) {
    char* end = nullptr;
    errno = 0;
    const double seconds = strtod(text, &end);
    if (end == text || *end != '\0' || errno != 0 || !std::isfinite(seconds) ||
        std::fabs(seconds) > kLatestSeconds) {
        return false;
    }
    *milliseconds = std::lround(seconds * 1000.0);
    return true;
}

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
        } else if (option.rfind("--", 0) == 0) {
            *error = "unknown option " + option;
            return false;
        } else if (!options->path.empty()) {
            *error = "one production only, not " + options->path + " and " + option;
            return false;
        } else {
            options->path = option;
        }
    }
    if (options->path.empty()) {
        *error = "no production named";
        return false;
    }
    if (options->loop && !haveAt) {
        options->atMilliseconds = options->loopFrom;
    }
    return true;
}
