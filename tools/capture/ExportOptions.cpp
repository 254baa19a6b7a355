#include "capture/ExportOptions.h"

#include <cerrno>
#include <cstdlib>

namespace {

bool ReadDimension(const char* text, char** end, int smallest, int largest, int* value) {
    errno = 0;
    const long number = strtol(text, end, 10);
    if (*end == text || errno != 0 || number < smallest || number > largest) {
        return false;
    }
    *value = static_cast<int>(number);
    return true;
}

// "WxH" within the limits.
bool ReadSize(const char* text, int* width, int* height) {
    char* end = nullptr;
    if (!ReadDimension(text, &end, kSmallestWidth, kLargestWidth, width) || *end != 'x') {
        return false;
    }
    const char* heightText = end + 1;
    return ReadDimension(heightText, &end, kSmallestHeight, kLargestHeight, height) && *end == '\0';
}

}  // namespace

bool IsExportOption(const std::string& option) {
    return option == "--video" || option == "--wav" || option == "--size";
}

bool ReadExportOption(const std::string& option, const char* value, ExportOptions* options,
                      std::string* error) {
    if (option == "--video") {
        options->videoPath = value;
    } else if (option == "--wav") {
        options->wavPath = value;
    } else if (!ReadSize(value, &options->width, &options->height)) {
        *error = "--size wants WxH from 64x48 to 7680x4320, not " + std::string(value);
        return false;
    }
    return true;
}

bool CheckExportOptions(const ExportOptions& options, bool chosenFrames, std::string* error) {
    if (options.Exporting() && chosenFrames) {
        *error = "--at does not go with --video or --wav, which export every frame";
        return false;
    }
    if (!options.videoPath.empty() && (options.width % 2 != 0 || options.height % 2 != 0)) {
        *error = "--video needs an even width and height";
        return false;
    }
    return true;
}
