#include "window/KeyTimer.h"

#include <gtest/gtest.h>

#include "base/Ticks.h"

TEST(KeyTimer, ExistsOnlyOnceCreatedAndStaysTheSame) {
    EXPECT_EQ(TheKeyTimer(), nullptr);
    KeyTimer& created = CreateKeyTimer();
    EXPECT_EQ(TheKeyTimer(), &created);
    EXPECT_EQ(&CreateKeyTimer(), &created);
}

TEST(KeyTimer, AKeyIsDownFromItsFirstPressUntilItsRelease) {
    KeyTimer keys;
    keys.KeyDown('T', 0);
    keys.KeyDown('T', 0);  // key repeat
    EXPECT_TRUE(keys.IsKeyDown('T'));
    keys.KeyUp('T');
    EXPECT_FALSE(keys.IsKeyDown('T'));
    for (int outside : {-1, 256}) {
        keys.KeyDown(outside, 0);
        EXPECT_FALSE(keys.IsKeyDown(outside));
    }
}

TEST(KeyTimer, APressAtAnyTickCountCountsAsDown) {
    SetTickSource([] { return 0xFFFFFFFFu; });
    KeyTimer keys;
    keys.KeyDown('B', 0);
    EXPECT_TRUE(keys.IsKeyDown('B'));
    SetTickSource(nullptr);
    EXPECT_NE(GetTickCount(), 0xFFFFFFFFu);
}
