// Keeps a loop at the display's refresh rate where buffer swaps do not wait for the
// display: without it a light scene draws thousands of frames a second, heating the
// machine and starving the audio threads. Pure arithmetic on millisecond times, so
// the pacing can be checked without a window.
#pragma once

#include <cstdint>

class FramePacer {
  public:
    // Rate used when the display does not tell its own.
    static constexpr int kDefaultRate = 60;

    // Paces `rate` frames a second (kDefaultRate when not positive) from `now`.
    void Start(int rate, uint64_t now);
    // Called after each frame at `now`: milliseconds to wait before the next one.
    // A loop that fell more than a frame behind starts over from `now`, so slow
    // frames are never made up for by a burst of fast ones.
    uint32_t WaitAfterFrame(uint64_t now);
    int Rate() const { return rate; }

  private:
    uint64_t Deadline() const { return start + frames * 1000 / static_cast<uint64_t>(rate); }

    int rate = kDefaultRate;
    uint64_t start = 0;
    // Frames since `start`; frame n is due start + n * 1000 / rate ms, which keeps a
    // rate like 60 exact on a millisecond clock.
    uint64_t frames = 0;
};
