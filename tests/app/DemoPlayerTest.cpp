// The player's preparation and loop in-process on a real window.
#include "app/DemoPlayer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Demo.h"
#include "app/FrameClock.h"
#include "base/Con.h"
#include "base/FrameTime.h"
#include "render/DisplayTestSupport.h"
#include "render/OpenGLSurface.h"
#include "scene/Scene.h"
#include "scene/StillImage.h"

namespace {

std::vector<std::string> events;

class RecordingImage : public NStillImage {
  public:
    void Init() override { events.push_back("image Init"); }
    void Update() override { events.push_back("image Update"); }
    void Render() override { events.push_back("image Render at " + std::to_string(CurrentTime)); }
};

class RecordingScene : public NScene {
  public:
    void Init() override { events.push_back("scene Init"); }
    void Update() override { events.push_back("scene Update"); }
};

// Asks for a context version no driver has: a window, then no context.
class ContextlessSurface : public NOpenGLSurface {
  protected:
    Uint32 PrepareWindow() override {
        const Uint32 flags = NOpenGLSurface::PrepareWindow();
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 99);
        return flags;
    }
};

class DemoPlayerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        player.demo = demo;
        SKIP_WITHOUT_DISPLAY();
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        Con.EnableBuffer(true);
        events.clear();
        part.EndTime = 1.0f;
        part.Scene = &scene;
        part.SetParent(&demo->PartList);
        demo->LoadingImage = &image;
        demo->SetClock(&clock);
        CurrentTime = 5.0f;
    }
    void TearDown() override { part.SetParent(nullptr); }

    RecordingImage image;
    RecordingScene scene;
    NPart part;
    SetClock clock;
    NDemo* demo = new NDemo;
    // Owns the demo and the surface, and goes first.
    DemoPlayer player;
};

}  // namespace

TEST_F(DemoPlayerTest, LoadingImageIsDrawnOnceBeforeTheDemoPreparesThenFramesRunToTheEnd) {
    player.surface = new NOpenGLSurface;
    player.Prepare();
    ASSERT_TRUE(player.CanDraw()) << test::LogText();
    player.Prepare();  // once only
    EXPECT_EQ(events, (std::vector<std::string>{"image Init", "image Update",
                                                "image Render at 0.000000", "scene Init"}));
    events.clear();
    clock.milliseconds = 500;
    EXPECT_TRUE(player.PlayFrame());
    clock.milliseconds = 1000;
    EXPECT_FALSE(player.PlayFrame());  // past the last part: nothing drawn
    EXPECT_EQ(events, (std::vector<std::string>{"scene Update"}));
    player.Run();  // prepared already: the loop ends after its first frame, then closes
    EXPECT_EQ(player.surface->Window(), nullptr);
    EXPECT_EQ(Con.ErrorCount(), 0) << test::LogText();
}

TEST_F(DemoPlayerTest, WithoutARenderingContextNothingIsDrawnAndTheDemoIsLeftUnprepared) {
    player.surface = new ContextlessSurface;
    player.Run();
    EXPECT_FALSE(player.CanDraw());
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(demo->sound, nullptr);
    EXPECT_TRUE(test::LogText().find("Error: Unable to allocate rendering context.") !=
                std::string::npos)
        << test::LogText();
}
