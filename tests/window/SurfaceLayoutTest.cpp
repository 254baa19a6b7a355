#include "window/SurfaceLayout.h"

#include <gtest/gtest.h>

namespace {

void ExpectRect(const PixelRect& r, int x, int y, int width, int height) {
    EXPECT_EQ(r.x, x);
    EXPECT_EQ(r.y, y);
    EXPECT_EQ(r.width, width);
    EXPECT_EQ(r.height, height);
}

}  // namespace

TEST(SurfaceLayout, WindowsAreCentredOrInTheBottomRightCorner) {
    ExpectRect(CentredClientRect(1024, 768, 640, 480), 192, 144, 640, 480);
    ExpectRect(CentredClientRect(1025, 769, 640, 480), 192, 144, 640, 480);
    ExpectRect(CornerClientRect(1920, 1080), 1600, 840, 320, 240);
}

TEST(SurfaceLayout, ViewportIsTheLargestCentred4By3Rectangle) {
    ExpectRect(LetterboxViewport(640, 480), 0, 0, 640, 480);
    ExpectRect(LetterboxViewport(1920, 1080), 240, 0, 1440, 1080);
    ExpectRect(LetterboxViewport(800, 800), 0, 100, 800, 600);
}
