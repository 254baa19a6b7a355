// The capture tool's export options: a video through ffmpeg, its sound as a WAV
// file, and the size the frames are rendered at.
#pragma once

#include <string>

struct ExportOptions {
    // --video FILE.mp4
    std::string videoPath;
    // --wav FILE.wav
    std::string wavPath;
    // --size WxH; the picture keeps its 4:3 shape inside, letterboxed.
    int width = 640;
    int height = 480;

    bool Exporting() const { return !videoPath.empty() || !wavPath.empty(); }
    bool SoundOnly() const { return videoPath.empty() && !wavPath.empty(); }
};

// The sizes --size accepts.
constexpr int kSmallestWidth = 64;
constexpr int kSmallestHeight = 48;
constexpr int kLargestWidth = 7680;
constexpr int kLargestHeight = 4320;

// True for the options of this file; each takes a value.
bool IsExportOption(const std::string& option);
// Reads the value of an export option; false with `error` set when it cannot be used.
bool ReadExportOption(const std::string& option, const char* value, ExportOptions* options,
                      std::string* error);
// Checks what the options ask for as a whole: an export writes every frame of a
// span, so chosen frames (`--at`) do not go with it, and the video encoder needs
// an even width and height.
bool CheckExportOptions(const ExportOptions& options, bool chosenFrames, std::string* error);
