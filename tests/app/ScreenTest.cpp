// The player's full-screen picture on screens larger than its own, with and without a
// window manager, and the player on a machine without any display. Each on an X
// server of its own with the screen size it needs.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "PlayHarness.h"

using playtest::Production;
using playtest::ScreenPoint;

namespace {

// A show of one part over a scene that clears to red, long enough to look at.
const char kRedShow[] =
    "<Nimbus>\n<OrthoView Name=\"Flat\"/>\n"
    "<Scene Name=\"S\"><OrthoView Role=\"View2D\" Name=\"Flat\"/></Scene>\n"
    "<Part Name=\"P\"><float Role=\"EndTime\">600</float><Scene Role=\"Scene\" "
    "Name=\"S\"/></Part>\n"
    "<Demo Name=\"D\"><Part Role=\"PartList\" Container=\"List\"><Part Name=\"P\"/></Part></Demo>\n"
    "</Nimbus>\n";

constexpr unsigned long kRed = 0xFF0000;
constexpr unsigned long kBlack = 0x000000;

struct Screen {
    const char* mode;
    int width, height;
    // Where the 4:3 picture must be.
    int left, top, pictureWidth, pictureHeight;
};

// The picture's four corners and centre, and the screen's corners outside it.
std::vector<ScreenPoint> Expected(const Screen& s) {
    const int right = s.left + s.pictureWidth - 1;
    const int bottom = s.top + s.pictureHeight - 1;
    std::vector<ScreenPoint> points = {{s.left, s.top, kRed},
                                       {right, s.top, kRed},
                                       {s.left, bottom, kRed},
                                       {right, bottom, kRed},
                                       {s.width / 2, s.height / 2, kRed}};
    for (const ScreenPoint corner :
         {ScreenPoint{0, 0, kBlack}, ScreenPoint{s.width - 1, 0, kBlack},
          ScreenPoint{0, s.height - 1, kBlack}, ScreenPoint{s.width - 1, s.height - 1, kBlack}}) {
        if (corner.x < s.left || corner.x > right || corner.y < s.top || corner.y > bottom) {
            points.push_back(corner);
        }
    }
    if (s.left > 0) {  // the bars' inner edges
        points.push_back({s.left - 1, s.height / 2, kBlack});
        points.push_back({right + 1, s.height / 2, kBlack});
    }
    return points;
}

const Screen kScreens[] = {
    {"1280x720x24", 1280, 720, 160, 0, 960, 720},  // centred between black bars
    {"1024x768x24", 1024, 768, 0, 0, 1024, 768},   // filled
};

void ExpectFullScreenPicture(bool withWindowManager) {
    const Production show(kRedShow);
    for (const Screen& screen : kScreens) {
        SCOPED_TRACE(screen.mode);
        playtest::XServer x(screen.mode);
        std::unique_ptr<playtest::WindowManager> manager;
        if (withWindowManager) {
            manager = std::make_unique<playtest::WindowManager>(x);
            if (!manager->Running()) {
                GTEST_SKIP() << "no window manager: install the Debian package openbox";
            }
        }
        std::unique_ptr<playtest::Program> player(show.Start(x));
        std::string seen;
        EXPECT_TRUE(playtest::AwaitScreen(x.Display(), Expected(screen), &seen)) << seen;
        ASSERT_TRUE(playtest::SendKeys(x.Display(), {"Escape"}));
        EXPECT_EQ(player->Wait(), 0) << show.Log();
    }
}

}  // namespace

TEST(Screen, FullScreenCoversLargerScreensWithoutAWindowManager) {
    ExpectFullScreenPicture(false);
}

TEST(Screen, FullScreenCoversLargerScreensUnderAWindowManager) {
    ExpectFullScreenPicture(true);
}

TEST(Screen, WithoutAnyDisplayThePlayerFailsAtOnceWithTheSurfacesMessages) {
    const Production show(kRedShow);
    std::unique_ptr<playtest::Program> player(show.StartWithoutDisplay());
    EXPECT_EQ(player->Wait(), 1);  // a 600-second show would otherwise play unseen
    const std::string log = show.Log();
    EXPECT_NE(log.find("Error: Unable to register window class.\n"), std::string::npos) << log;
    EXPECT_NE(log.find("NSurface: no display to show the picture on"), std::string::npos) << log;
    EXPECT_NE(log.find("Error: No proper pixel format available.\n"), std::string::npos) << log;
    EXPECT_NE(log.find("Destroy: Done.\n"), std::string::npos) << log;
}
