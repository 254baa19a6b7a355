#include "render/VirtualKey.h"

#include <gtest/gtest.h>

TEST(VirtualKey, LettersAndDigitsMapToTheirUpperCaseCharacters) {
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_a), 65);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_t), 'T');
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_z), 90);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_0), 48);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_9), 57);
}

TEST(VirtualKey, ControlKeysArrowsAndFunctionKeysHaveTheirWindowsNumbers) {
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_ESCAPE), 27);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_SPACE), 32);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_RETURN), 13);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_TAB), 9);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_BACKSPACE), 8);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_LEFT), 37);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_UP), 38);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_RIGHT), 39);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_DOWN), 40);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_F1), 112);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_F12), 123);
}

TEST(VirtualKey, KeysWithoutANumberAreIgnored) {
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_LSHIFT), -1);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_KP_5), -1);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_F13), -1);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_UNKNOWN), -1);
}
