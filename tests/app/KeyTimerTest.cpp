#include "app/KeyTimer.h"

#include <gtest/gtest.h>

#include "app/Ticks.h"

namespace {

uint32_t FixedTicks() {
    return 4242;
}

}  // namespace

TEST(KeyTimer, ExistsOnlyOnceCreatedAndStaysTheSame) {
    EXPECT_EQ(TheKeyTimer(), nullptr);
    KeyTimer& created = CreateKeyTimer();
    EXPECT_EQ(TheKeyTimer(), &created);
    EXPECT_EQ(&CreateKeyTimer(), &created);
}

TEST(KeyTimer, KeyIsDownFromPressUntilRelease) {
    KeyTimer keys;
    EXPECT_FALSE(keys.IsKeyDown(32));
    keys.KeyDown(32);
    EXPECT_TRUE(keys.IsKeyDown(32));
    EXPECT_FALSE(keys.IsKeyDown(27));
    keys.KeyUp(32);
    EXPECT_FALSE(keys.IsKeyDown(32));
}

TEST(KeyTimer, KeyRepeatsNeedOnlyOneRelease) {
    KeyTimer keys;
    keys.KeyDown('T');
    keys.KeyDown('T');
    keys.KeyDown('T');
    keys.KeyUp('T');
    EXPECT_FALSE(keys.IsKeyDown('T'));
    keys.KeyUp('T');
    EXPECT_FALSE(keys.IsKeyDown('T'));
}

TEST(KeyTimer, CodesOutsideTheTableAreIgnored) {
    KeyTimer keys;
    for (int code : {-1, 256, 100000}) {
        keys.KeyDown(code);
        EXPECT_FALSE(keys.IsKeyDown(code)) << code;
        keys.KeyUp(code);
    }
    keys.KeyDown(255);
    EXPECT_TRUE(keys.IsKeyDown(255));
}

TEST(KeyTimer, AKeyPressedAtAnyTickCountCountsAsDown) {
    // Tick counts wrap; none of them may read as "up".
    SetTickSource([] { return 0xFFFFFFFFu; });
    KeyTimer keys;
    keys.KeyDown('B');
    EXPECT_TRUE(keys.IsKeyDown('B'));
    SetTickSource(nullptr);
}

TEST(Ticks, TheTickSourceCanBeReplacedAndRestored) {
    SetTickSource(FixedTicks);
    EXPECT_EQ(GetTickCount(), 4242u);
    SetTickSource(nullptr);
    const uint32_t first = GetTickCount();
    EXPECT_NE(first, 4242u);
    EXPECT_GE(GetTickCount(), first);
}
