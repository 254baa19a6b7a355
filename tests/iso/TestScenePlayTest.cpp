// The built-in test scene played by the capture tool from a document that names it
// with no nodes of its own.
#include <gtest/gtest.h>

#include <string>

#include "PlayHarness.h"

using playtest::Picture;
using playtest::Production;
using playtest::ReadPng;

namespace {

const char kDocument[] = R"(<Nimbus>
<TestScene01 Name="Built"/>
<Part Name="Only"><float Role="EndTime">3</float><Scene Role="Scene" Name="Built"/></Part>
<Demo Name="D">
  <Part Role="PartList" Container="List"><Part Name="Only"/></Part>
</Demo>
</Nimbus>
)";

Picture Frame(const Production& show, long milliseconds) {
    char name[32];
    snprintf(name, sizeof name, "show-%07ld.png", milliseconds);
    return ReadPng(show / ("frames/" + std::string(name)));
}

// Little red: the scene clears to pure red and its sheets are blended over it at
// alpha 150, so only the opaque, blue-fogged isosurface has less than this.
bool OnIsosurface(unsigned long pixel) {
    return (pixel >> 16) < 90;
}

struct Blob {
    int pixels = 0;
    double x = 0;
    double y = 0;
};

// The isosurface's pixels and their centre.
Blob FindIsosurface(const Picture& picture) {
    Blob blob;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            if (OnIsosurface(picture.At(x, y))) {
                ++blob.pixels;
                blob.x += x;
                blob.y += y;
            }
        }
    }
    if (blob.pixels > 0) {
        blob.x /= blob.pixels;
        blob.y /= blob.pixels;
    }
    return blob;
}

int DifferentPixels(const Picture& a, const Picture& b) {
    int count = 0;
    for (int y = 0; y < a.height; ++y) {
        for (int x = 0; x < a.width; ++x) {
            count += a.At(x, y) != b.At(x, y);
        }
    }
    return count;
}

}  // namespace

TEST(TestScenePlay, ATestSceneWithoutNodesShowsTheMovingIsosurface) {
    const Production show(kDocument);
    for (const char* name : {"BlueFogPhong.glvert", "BlueFogPhong.glfrag", "inferno.jpg"}) {
        show.Add(name, std::string(NIMBUS_DEMO_DIR) + "/" + name);
    }
    std::string output;
    // Nothing counted: the exit code would be 1.
    ASSERT_EQ(show.Capture("--fps 25 --at 1,2", &output), 0) << output;
    const Picture early = Frame(show, 1000);
    const Picture late = Frame(show, 2000);
    ASSERT_EQ(early.width, 640);
    ASSERT_EQ(late.width, 640);
    for (const Picture* picture : {&early, &late}) {
        const Blob blob = FindIsosurface(*picture);
        EXPECT_GT(blob.pixels, 3000);
        EXPECT_NEAR(blob.x, 320, 100);
        EXPECT_NEAR(blob.y, 240, 100);
    }
    EXPECT_GT(DifferentPixels(early, late), 3000);
}
