// Where the timeline reads its time: by default the music clock; the capture tool
// puts a clock in its place that steps by a fixed amount each frame.
#pragma once

class FrameClock {
  public:
    virtual ~FrameClock() = default;
    // Milliseconds on the timeline for the frame about to be drawn.
    virtual int Milliseconds() = 0;
};
