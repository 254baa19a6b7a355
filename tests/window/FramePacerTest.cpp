#include "window/FramePacer.h"

#include <gtest/gtest.h>

TEST(FramePacer, InstantFramesAreSpreadOverTheSecondAtTheDisplaysRate) {
    for (const int rate : {60, 75, 0}) {
        SCOPED_TRACE(rate);
        FramePacer pacer;
        pacer.Start(rate, 5000);
        const int expected = rate > 0 ? rate : FramePacer::kDefaultRate;
        EXPECT_EQ(pacer.Rate(), expected);
        uint64_t now = 5000;
        for (int frame = 0; frame < expected; ++frame) {
            const uint32_t wait = pacer.WaitAfterFrame(now);
            EXPECT_LE(wait, 1000u / expected + 1);
            now += wait;
        }
        EXPECT_EQ(now, 6000u);  // exactly one second, with no drift from rounding
    }
}

TEST(FramePacer, LateFramesKeepTheGridAndFarBehindStartsOverWithoutABurst) {
    FramePacer pacer;
    pacer.Start(50, 0);                         // a frame every 20 ms
    EXPECT_EQ(pacer.WaitAfterFrame(5), 15u);    // the next is due at 20
    EXPECT_EQ(pacer.WaitAfterFrame(30), 10u);   // 10 ms late: the next is still due at 40
    EXPECT_EQ(pacer.WaitAfterFrame(65), 0u);    // past 60 already: at once, the next at 80
    EXPECT_EQ(pacer.WaitAfterFrame(70), 10u);   // back on the grid
    EXPECT_EQ(pacer.WaitAfterFrame(500), 0u);   // far behind: start over from 500
    EXPECT_EQ(pacer.WaitAfterFrame(501), 19u);  // one frame later, not a catch-up burst
}
