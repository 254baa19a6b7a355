// The capture tool's command line and the frames it asks for.
#pragma once

#include <string>
#include <vector>

#include "capture/ExportOptions.h"

struct CaptureOptions {
    int fps = 30;
    // Times in milliseconds: the first frame at or after each is written.
    std::vector<long> atMilliseconds;
    // Every frame from `fromMilliseconds` to `toMilliseconds` is written.
    bool range = false;
    long fromMilliseconds = 0;
    long toMilliseconds = 0;
    std::string outDir = ".";
    // Print the engine's cost per part at the end.
    bool stats = false;
    // Play on the renderer that draws nothing: no display, no frames, only --stats.
    bool noDraw = false;
    // Names the production as the player's own path does: dir/show.
    std::string path;
    // --video, --wav and --size.
    ExportOptions output;
};

extern const char kCaptureUsage[];

// Reads `nimbus-capture [--fps N] [--at T1,T2,...] [--from A --to B] [--out DIR]
// [--size WxH] [--video FILE.mp4] [--wav FILE.wav] [--stats [--no-draw]] PATH`, times in
// seconds;
// false with `error` set when the line cannot be used.
bool ParseCaptureOptions(int argc, char** argv, CaptureOptions* options, std::string* error);

// Which frames of the fixed clock are written. Frame k is drawn at k / fps seconds.
class CapturePlan {
  public:
    explicit CapturePlan(const CaptureOptions& options);

    bool Wants(long frame) const;
    // The last frame to draw; -1 when nothing is asked for, so the show plays to its end.
    long LastFrame() const { return lastFrame; }
    // The frame's time on the timeline in whole milliseconds.
    long Milliseconds(long frame) const { return frame * 1000 / fps; }

  private:
    int fps;
    std::vector<long> atFrames;
    long firstInRange = 0;
    long lastInRange = -1;
    long lastFrame = -1;
};
