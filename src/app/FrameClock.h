// Where the timeline reads its time: by default the music clock; the tools put a
// clock in its place that steps by a fixed amount each frame or that they set.
#pragma once

class FrameClock {
  public:
    virtual ~FrameClock() = default;
    // Milliseconds on the timeline for the frame about to be drawn.
    virtual int Milliseconds() = 0;
};

// A clock at whatever time its owner last set: for seeking, set-up at chosen times
// and tests.
class SetClock : public FrameClock {
  public:
    int Milliseconds() override { return milliseconds; }
    int milliseconds = 0;
};
