#include "window/VirtualKey.h"

#include <gtest/gtest.h>

TEST(VirtualKey, RangesMapToTheirWindowsNumbersAndOtherKeysToNone) {
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_a), 'A');
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_z), 'Z');
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_9), '9');
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_RETURN), 13);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_LEFT), 37);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_DOWN), 40);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_F12), 123);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_F13), -1);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_LSHIFT), -1);
}
