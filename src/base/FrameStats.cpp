#include "base/FrameStats.h"

#include <ctime>

FrameStats TheFrameStats;

namespace {

int64_t frameStart = 0;
int submitDepth = 0;

// CPU time rather than wall time, so that other processes on a loaded machine do
// not count as the engine's work.
int64_t ThreadNanoseconds() {
    timespec now = {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return int64_t{now.tv_sec} * 1000000000 + now.tv_nsec;
}

}  // namespace

void BeginFrameStats() {
    if (!TheFrameStats.enabled) {
        return;
    }
    TheFrameStats.engineNanoseconds = 0;
    TheFrameStats.submitNanoseconds = 0;
    TheFrameStats.triangles = 0;
    TheFrameStats.sprites = 0;
    submitDepth = 0;
    frameStart = ThreadNanoseconds();
}

void EndFrameStats() {
    if (!TheFrameStats.enabled) {
        return;
    }
    const int64_t total = ThreadNanoseconds() - frameStart;
    TheFrameStats.engineNanoseconds = total - TheFrameStats.submitNanoseconds;
}

void CountSubmitted(int32_t triangles, int32_t sprites) {
    TheFrameStats.triangles += triangles;
    TheFrameStats.sprites += sprites;
}

SubmitTimer::SubmitTimer() {
    if (TheFrameStats.enabled && submitDepth++ == 0) {
        start = ThreadNanoseconds();
    }
}

SubmitTimer::~SubmitTimer() {
    if (!TheFrameStats.enabled) {
        return;
    }
    --submitDepth;
    if (start >= 0) {
        TheFrameStats.submitNanoseconds += ThreadNanoseconds() - start;
    }
}
