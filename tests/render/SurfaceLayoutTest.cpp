#include "render/SurfaceLayout.h"

#include <gtest/gtest.h>

namespace {

void ExpectRect(const PixelRect& r, int x, int y, int width, int height) {
    EXPECT_EQ(r.x, x);
    EXPECT_EQ(r.y, y);
    EXPECT_EQ(r.width, width);
    EXPECT_EQ(r.height, height);
}

}  // namespace

TEST(SurfaceLayout, WindowedPlayIsCentredOnTheScreen) {
    // 192, 144 to 832, 624 on a 1024 x 768 screen.
    ExpectRect(CentredClientRect(1024, 768, 640, 480), 192, 144, 640, 480);
    ExpectRect(CentredClientRect(1025, 769, 640, 480), 192, 144, 640, 480);
    ExpectRect(CentredClientRect(640, 480, 640, 480), 0, 0, 640, 480);
}

TEST(SurfaceLayout, CornerWindowTakesTheBottomRightQuarterOfA640By480Screen) {
    ExpectRect(CornerClientRect(640, 480), 320, 240, 320, 240);
    ExpectRect(CornerClientRect(1920, 1080), 1600, 840, 320, 240);
}

TEST(SurfaceLayout, ViewportFillsA4By3DrawableAndIsCentredInAnyOther) {
    ExpectRect(LetterboxViewport(640, 480), 0, 0, 640, 480);
    ExpectRect(LetterboxViewport(1024, 768), 0, 0, 1024, 768);
    ExpectRect(LetterboxViewport(1920, 1080), 240, 0, 1440, 1080);  // pillarbox
    ExpectRect(LetterboxViewport(800, 800), 0, 100, 800, 600);      // letterbox
    ExpectRect(LetterboxViewport(0, 0), 0, 0, 0, 0);
}
