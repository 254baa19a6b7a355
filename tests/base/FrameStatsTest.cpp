#include "base/FrameStats.h"

#include <gtest/gtest.h>

namespace {

// Spends a little CPU time, so that the clocks have something to measure.
void Work() {
    volatile double sink = 0;
    for (int i = 0; i < 20000; ++i) {
        sink = sink + i * 0.5;
    }
}

}  // namespace

TEST(FrameStats, OffByDefaultAndThenNothingIsMeasured) {
    EXPECT_FALSE(TheFrameStats.enabled);
    BeginFrameStats();
    {
        const SubmitTimer submitting;
        Work();
    }
    EndFrameStats();
    EXPECT_EQ(TheFrameStats.engineNanoseconds, 0);
    EXPECT_EQ(TheFrameStats.submitNanoseconds, 0);
}

TEST(FrameStats, AFrameCountsWhatWasSubmittedAndTakesTheSubmissionOut) {
    TheFrameStats.enabled = true;
    BeginFrameStats();
    CountSubmitted(12, 0);
    Work();
    {
        const SubmitTimer outer;
        CountSubmitted(8, 4);
        Work();
        // A timer inside another adds nothing of its own.
        const SubmitTimer inner;
        Work();
    }
    EndFrameStats();
    EXPECT_EQ(TheFrameStats.triangles, 20);
    EXPECT_EQ(TheFrameStats.sprites, 4);
    EXPECT_GT(TheFrameStats.submitNanoseconds, 0);
    EXPECT_GE(TheFrameStats.engineNanoseconds, 0);

    // The next frame starts from nothing.
    BeginFrameStats();
    EndFrameStats();
    EXPECT_EQ(TheFrameStats.triangles, 0);
    EXPECT_EQ(TheFrameStats.sprites, 0);
    EXPECT_EQ(TheFrameStats.submitNanoseconds, 0);
    TheFrameStats.enabled = false;
}
