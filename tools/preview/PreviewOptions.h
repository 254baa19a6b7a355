// The preview's command line.
#pragma once

#include <string>

struct PreviewOptions {
    // Where play starts, in milliseconds: the loop's start unless given.
    long atMilliseconds = 0;
    // --loop A B: the span played over and over, in milliseconds.
    bool loop = false;
    long loopFrom = 0;
    long loopTo = 0;
    // Lines on standard input drive the preview; standard output carries only the
    // replies.
    bool commands = false;
    // Names the production as the player's own path does: dir/show.
    std::string path;
};

extern const char kPreviewUsage[];

// Reads `nimbus-preview [--at T] [--loop A B] [--commands] PATH`, times in seconds;
// false with `error` set when the line cannot be used.
bool ParsePreviewOptions(int argc, char** argv, PreviewOptions* options, std::string* error);
