// The progress line of a long export on the terminal: the frame, the show time it
// has reached and how fast the export runs against real time.
#pragma once

#include <chrono>
#include <cstddef>

// "frame 120/900  show 4.000 s  1.62x real time" into `text`.
void FormatProgress(char* text, size_t size, long frame, long frames, double showSeconds,
                    double speed);

class ExportProgress {
  public:
    // `frames` frames on a clock of `fps` frames a second.
    ExportProgress(long frames, int fps);

    // After each frame: redraws the line, from the first second on and at most twice
    // a second, when standard error is a terminal.
    void Update(long frame);
    // Ends the line, if one was drawn.
    void Finish();

  private:
    using Clock = std::chrono::steady_clock;

    long frames;
    int fps;
    bool terminal;
    bool drawn = false;
    Clock::time_point start;
    Clock::time_point lastDrawn;
};
