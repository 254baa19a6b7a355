#include "window/FramePacer.h"

void FramePacer::Start(int frameRate, uint64_t now) {
    rate = frameRate > 0 ? frameRate : kDefaultRate;
    start = now;
    frames = 0;
}

uint32_t FramePacer::WaitAfterFrame(uint64_t now) {
    ++frames;
    const uint64_t due = Deadline();
    if (now < due) {
        return static_cast<uint32_t>(due - now);
    }
    if (now - due > 1000 / static_cast<uint64_t>(rate)) {
        Start(rate, now);
    }
    return 0;
}
