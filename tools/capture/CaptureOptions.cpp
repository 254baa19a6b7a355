#include "capture/CaptureOptions.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "cli/ProductionArguments.h"

const char kCaptureUsage[] =
    "usage: nimbus-capture [--fps N] [--at T1,T2,...] [--from A --to B] [--out DIR]\n"
    "                      [--size WxH] [--video FILE.mp4] [--wav FILE.wav]\n"
    "                      [--stats [--no-draw]] PATH\n"
    "  Plays the production PATH (dir/show: dir/show.dat or dir/data, document show.xml)\n"
    "  on a clock of N frames a second (default 30) and writes PNG frames\n"
    "  DIR/show-MMMMMMM.png (time in milliseconds): the first frame at or after each T,\n"
    "  and every frame from A to B (seconds). DIR defaults to the current folder.\n"
    "  --size WxH renders W x H frames (default 640x480), the picture letterboxed 4:3.\n"
    "  --video FILE.mp4 exports every frame from A up to B, or of the whole show, with\n"
    "  its music through ffmpeg instead; --wav FILE.wav writes that span's sound.\n"
    "  --stats prints, per part, the engine's CPU time per frame without the OpenGL\n"
    "  calls (median and worst) and the most triangles and sprites one frame submitted.\n"
    "  --no-draw plays through a renderer that draws nothing, without a display, for\n"
    "  --stats alone: the same counts, no frames.\n"
    "  --help prints this text, --version the version.\n";

namespace {

constexpr int kMostFps = 1000;

// Capture times run forward from the start of the show.
bool ReadSeconds(const char* text, long* milliseconds) {
    return ReadMilliseconds(text, milliseconds) && *milliseconds >= 0;
}

bool ReadTimeList(const char* text, std::vector<long>* milliseconds) {
    std::string list = text;
    size_t start = 0;
    while (true) {
        const size_t comma = list.find(',', start);
        const std::string item = list.substr(start, comma - start);
        long value = 0;
        if (!ReadSeconds(item.c_str(), &value)) {
            return false;
        }
        milliseconds->push_back(value);
        if (comma == std::string::npos) {
            return true;
        }
        start = comma + 1;
    }
}

bool ReadFps(const char* text, int* fps) {
    char* end = nullptr;
    errno = 0;
    const long value = strtol(text, &end, 10);
    if (end == text || *end != '\0' || errno != 0 || value < 1 || value > kMostFps) {
        return false;
    }
    *fps = static_cast<int>(value);
    return true;
}

}  // namespace

bool ParseCaptureOptions(int argc, char** argv, CaptureOptions* options, std::string* error) {
    bool haveFrom = false;
    bool haveTo = false;
    // Frames, a span of them, a video, its sound or their size.
    bool outputAsked = false;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        const bool takesValue = option == "--fps" || option == "--at" || option == "--from" ||
                                option == "--to" || option == "--out" || IsExportOption(option);
        if (takesValue && i + 1 >= argc) {
            *error = option + " needs a value";
            return false;
        }
        const char* value = takesValue ? argv[++i] : nullptr;
        outputAsked = outputAsked || (takesValue && option != "--fps" && option != "--out");
        if (option == "--fps") {
            if (!ReadFps(value, &options->fps)) {
                *error = "--fps wants a whole number from 1 to 1000, not " + std::string(value);
                return false;
            }
        } else if (option == "--at") {
            if (!ReadTimeList(value, &options->atMilliseconds)) {
                *error =
                    "--at wants times in seconds separated by commas, not " + std::string(value);
                return false;
            }
        } else if (option == "--from" || option == "--to") {
            long* target =
                option == "--from" ? &options->fromMilliseconds : &options->toMilliseconds;
            if (!ReadSeconds(value, target)) {
                *error = option + " wants a time in seconds, not " + std::string(value);
                return false;
            }
            (option == "--from" ? haveFrom : haveTo) = true;
        } else if (option == "--out") {
            options->outDir = value;
        } else if (option == "--stats") {
            options->stats = true;
        } else if (option == "--no-draw") {
            options->noDraw = true;
        } else if (IsExportOption(option)) {
            if (!ReadExportOption(option, value, &options->output, error)) {
                return false;
            }
        } else if (!TakeProductionPath(option, &options->path, error)) {
            return false;
        }
    }
    if (!NamedProduction(options->path, error)) {
        return false;
    }
    if (haveFrom != haveTo) {
        *error = "--from and --to go together";
        return false;
    }
    if (haveFrom && options->fromMilliseconds > options->toMilliseconds) {
        *error = "--from must not be later than --to";
        return false;
    }
    options->range = haveFrom;
    if (options->noDraw && (!options->stats || outputAsked)) {
        *error = "--no-draw draws no frames: it goes with --stats alone";
        return false;
    }
    return CheckExportOptions(options->output, !options->atMilliseconds.empty(), error);
}

CapturePlan::CapturePlan(const CaptureOptions& options) : fps(options.fps) {
    for (long milliseconds : options.atMilliseconds) {
        // The first frame k with k / fps >= the time.
        atFrames.push_back((milliseconds * fps + 999) / 1000);
    }
    if (options.range) {
        firstInRange = (options.fromMilliseconds * fps + 999) / 1000;
        lastInRange = options.toMilliseconds * fps / 1000;
    }
    for (long frame : atFrames) {
        lastFrame = std::max(lastFrame, frame);
    }
    if (options.range) {
        lastFrame = std::max(lastFrame, lastInRange);
    }
}

bool CapturePlan::Wants(long frame) const {
    if (frame >= firstInRange && frame <= lastInRange) {
        return true;
    }
    return std::find(atFrames.begin(), atFrames.end(), frame) != atFrames.end();
}
