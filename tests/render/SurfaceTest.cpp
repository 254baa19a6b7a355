#include "window/Surface.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>

#include "DisplayTestSupport.h"
#include "ScreenPixel.h"
#include "render/OpenGLSurface.h"
#include "window/KeyTimer.h"

namespace {

using test::LogText;

using Rect = std::array<GLint, 4>;

Rect Viewport() {
    Rect v = {};
    glGetIntegerv(GL_VIEWPORT, v.data());
    return v;
}

GLubyte BackBufferRed(int x, int y) {
    GLubyte rgba[4] = {};
    glReadBuffer(GL_BACK);
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    return rgba[0];
}

unsigned long ScreenPixel(SDL_Window* window, int x, int y) {
    unsigned long rgb = 0;
    EXPECT_TRUE(test::ReadScreenPixel(window, x, y, &rgb));
    return rgb;
}

void PushKey(Uint32 type, SDL_Keycode key) {
    SDL_Event event = {};
    event.type = type;
    event.key.keysym.sym = key;
    SDL_PushEvent(&event);
}

void PushEvent(Uint32 type, Uint8 windowEvent) {
    SDL_Event event = {};
    event.type = type;
    event.window.event = windowEvent;
    SDL_PushEvent(&event);
}

// Asks for a context version no driver has.
class UnmeetableContextSurface : public NOpenGLSurface {
  protected:
    Uint32 PrepareWindow() override {
        const Uint32 flags = NOpenGLSurface::PrepareWindow();
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 99);
        return flags;
    }
};

// Asks for a colour depth no visual has.
class UnmeetableVisualSurface : public NOpenGLSurface {
  protected:
    Uint32 PrepareWindow() override {
        const Uint32 flags = NOpenGLSurface::PrepareWindow();
        SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 64);
        return flags;
    }
};

class Surface : public testing::Test {
  protected:
    void SetUp() override { Con.EnableBuffer(true); }

    // Opens a windowed surface that must succeed.
    void OpenWindowed(NOpenGLSurface& surface) {
        surface.Open();
        ASSERT_TRUE(surface.HasRenderingContext()) << LogText();
    }
};

}  // namespace

TEST_F(Surface, FullScreenPlayFillsTheScreenAndRestoresTheDesktopAfterwards) {
    SKIP_WITHOUT_DISPLAY();
    auto surface = std::make_unique<NOpenGLSurface>();
    surface->SetFullScreen(true);
    surface->Open();
    ASSERT_TRUE(surface->HasRenderingContext()) << LogText();
    EXPECT_EQ(Con.ErrorCount(), 0);
    EXPECT_STREQ(SDL_GetWindowTitle(surface->Window()), "Nimbus");
    EXPECT_TRUE(SDL_GetWindowFlags(surface->Window()) & SDL_WINDOW_FULLSCREEN_DESKTOP);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);
    EXPECT_FALSE(SDL_IsScreenSaverEnabled());

    surface->BeginFrame();
    EXPECT_EQ(CurrentSurface, surface.get());
    EXPECT_EQ(Viewport(), (Rect{0, 0, 640, 480}));
    glClearColor(0.0f, 1.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glFinish();
    EXPECT_NE(ScreenPixel(surface->Window(), 320, 240), 0x00FF00u);  // drawn behind...
    surface->EndFrame();
    glFinish();
    EXPECT_EQ(ScreenPixel(surface->Window(), 320, 240), 0x00FF00u);  // ...shown by the swap
    EXPECT_EQ(CurrentSurface, nullptr);

    surface->Close();
    EXPECT_EQ(surface->Window(), nullptr);
    EXPECT_FALSE(surface->HasRenderingContext());
    // Destroyed through its base, as the main flow does.
    std::unique_ptr<NSurface> owner = std::move(surface);
    owner.reset();
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_ENABLE);
    EXPECT_TRUE(SDL_IsScreenSaverEnabled());
}

TEST_F(Surface, AScreenSaverThatWasOffStaysOffAfterPlay) {
    SKIP_WITHOUT_DISPLAY();
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0);
    SDL_DisableScreenSaver();
    auto surface = std::make_unique<NOpenGLSurface>();
    OpenWindowed(*surface);
    surface.reset();
    EXPECT_FALSE(SDL_IsScreenSaverEnabled());
}

TEST_F(Surface, AWideWindowShowsThePictureCentredBetweenBlackBars) {
    SKIP_WITHOUT_DISPLAY();
    NOpenGLSurface surface;
    surface.SetMode(640, 360, 32);
    OpenWindowed(surface);
    glClearColor(1.0f, 0.0f, 0.0f, 1.0f);
    surface.BeginFrame();
    EXPECT_EQ(Viewport(), (Rect{80, 0, 480, 360}));
    // The scene's own clear reaches the picture but not the bars.
    glClear(GL_COLOR_BUFFER_BIT);
    EXPECT_EQ(BackBufferRed(10, 180), 0);
    EXPECT_EQ(BackBufferRed(320, 180), 255);
    surface.EndFrame();
}

TEST_F(Surface, CornerWindowIs320By240InTheBottomRightCorner) {
    SKIP_WITHOUT_DISPLAY();
    NOpenGLSurface surface;
    surface.SetCornerWindow(true);
    OpenWindowed(surface);
    EXPECT_EQ(surface.Width(), 320);
    EXPECT_EQ(surface.Height(), 240);
    SDL_Rect screen;
    SDL_GetDisplayBounds(0, &screen);
    int x = 0;
    int y = 0;
    SDL_GetWindowPosition(surface.Window(), &x, &y);
    EXPECT_EQ(x, screen.x + screen.w - 320);
    EXPECT_EQ(y, screen.y + screen.h - 240);
}

TEST_F(Surface, AnUnsupportedModeIsReportedAndPlayGoesOnInTheDesktopMode) {
    SKIP_WITHOUT_DISPLAY();
    NOpenGLSurface surface;
    surface.SetFullScreen(true);
    surface.SetMode(640, 480, 16);
    surface.Open();
    EXPECT_EQ(LogText(),
              "Error: Chosen display mode (640x480, 16bpp) is unsupported on this system.\r\n");
    EXPECT_EQ(Con.ErrorCount(), 1);
    EXPECT_TRUE(surface.HasRenderingContext());
}

TEST_F(Surface, OnlyOneSurfaceWindowMayExistAtATime) {
    SKIP_WITHOUT_DISPLAY();
    NOpenGLSurface first;
    OpenWindowed(first);
    NOpenGLSurface second;
    second.Open();
    EXPECT_EQ(LogText(),
              "Error: There can be only one surface window at a time.\r\n"
              "Error: No proper pixel format available.\r\n");
    EXPECT_FALSE(second.HasRenderingContext());
    first.Open();  // opening the open surface again is refused and changes nothing
    EXPECT_EQ(Con.ErrorCount(), 3);
    EXPECT_TRUE(first.HasRenderingContext());

    first.Close();
    OpenWindowed(second);
}

TEST_F(Surface, KeysReachTheKeyTimerAndEscapeEndsPlay) {
    SKIP_WITHOUT_DISPLAY();
    NOpenGLSurface surface;
    OpenWindowed(surface);
    KeyTimer* keys = TheKeyTimer();
    ASSERT_NE(keys, nullptr);
    PushKey(SDL_KEYDOWN, SDLK_t);
    PushKey(SDL_KEYDOWN, SDLK_SPACE);
    PushKey(SDL_KEYUP, SDLK_t);
    EXPECT_TRUE(surface.PumpMessages(0));
    EXPECT_FALSE(keys->IsKeyDown('T'));
    EXPECT_TRUE(keys->IsKeyDown(32));

    PushKey(SDL_KEYDOWN, SDLK_ESCAPE);
    EXPECT_FALSE(surface.PumpMessages(0));
    EXPECT_TRUE(keys->IsKeyDown(27));
    EXPECT_FALSE(surface.PumpMessages(0));  // never withdrawn
}

TEST_F(Surface, ClosingTheWindowEndsPlay) {
    SKIP_WITHOUT_DISPLAY();
    NOpenGLSurface surface;
    OpenWindowed(surface);
    PushEvent(SDL_WINDOWEVENT, SDL_WINDOWEVENT_CLOSE);
    EXPECT_FALSE(surface.PumpMessages(0));
    EXPECT_TRUE(QuitRequested);
}

TEST_F(Surface, AQuitEventEndsPlay) {
    SKIP_WITHOUT_DISPLAY();
    NOpenGLSurface surface;
    OpenWindowed(surface);
    EXPECT_TRUE(surface.PumpMessages(0));
    PushEvent(SDL_QUIT, 0);
    EXPECT_FALSE(surface.PumpMessages(0));
}

TEST_F(Surface, AContextTheDriverRefusesLeavesNoWindowBehind) {
    SKIP_WITHOUT_DISPLAY();
    UnmeetableContextSurface surface;
    surface.Open();
    EXPECT_EQ(LogText().rfind("Error: Unable to allocate rendering context.\r\n", 0), 0u)
        << LogText();
    EXPECT_EQ(Con.ErrorCount(), 1);
    EXPECT_EQ(surface.Window(), nullptr);
    NOpenGLSurface next;  // the window is gone, so another may open
    OpenWindowed(next);
}

TEST_F(Surface, WithoutADisplayNothingOpensAndFramesRunHarmlessly) {
    // Each test runs in a process of its own, so the environment need not be restored.
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    setenv("SDL_VIDEODRIVER", "x11", 1);
    NOpenGLSurface surface;
    surface.SetFullScreen(true);
    surface.Open();
    const std::string log = LogText();
    EXPECT_EQ(log.rfind("Error: Unable to register window class.\r\n", 0), 0u) << log;
    EXPECT_NE(log.find("\r\nError: No proper pixel format available.\r\n"), std::string::npos);
    EXPECT_EQ(Con.ErrorCount(), 2);
    EXPECT_FALSE(surface.HasRenderingContext());
    EXPECT_EQ(TheKeyTimer(), nullptr);

    surface.BeginFrame();
    EXPECT_EQ(CurrentSurface, &surface);
    surface.EndFrame();
    EXPECT_TRUE(surface.PumpMessages(0));
    surface.Close();
    EXPECT_EQ(Con.ErrorCount(), 2);
}

TEST_F(Surface, AVideoDriverThatShowsNothingIsRefusedAtStartUp) {
    // SDL's fallbacks where there is no display: they would play the show unseen.
    for (const char* driver : {"offscreen", "dummy"}) {
        SCOPED_TRACE(driver);
        Con.EnableBuffer(true);
        const int before = Con.ErrorCount();
        setenv("SDL_VIDEODRIVER", driver, 1);
        NOpenGLSurface surface;
        surface.Open();
        const std::string log = LogText();
        EXPECT_EQ(log.rfind("Error: Unable to register window class.\r\n", 0), 0u) << log;
        EXPECT_NE(log.find("NSurface: no display to show the picture on (video driver " +
                           std::string(driver) + ")\r\n"),
                  std::string::npos)
            << log;
        EXPECT_NE(log.find("\r\nError: No proper pixel format available.\r\n"), std::string::npos);
        EXPECT_EQ(Con.ErrorCount() - before, 2);
        EXPECT_FALSE(surface.HasRenderingContext());
        EXPECT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0u);
    }
}

TEST_F(Surface, AWindowThatNoVisualCanServeIsNotCreated) {
    SKIP_WITHOUT_DISPLAY();
    UnmeetableVisualSurface surface;
    surface.Open();
    const std::string log = LogText();
    EXPECT_EQ(log.rfind("Error: Unable to create window.\r\n", 0), 0u) << log;
    EXPECT_NE(log.find("\r\nError: No proper pixel format available.\r\n"), std::string::npos);
    EXPECT_EQ(Con.ErrorCount(), 2);
    EXPECT_FALSE(surface.HasRenderingContext());
    EXPECT_EQ(surface.Window(), nullptr);
}

TEST_F(Surface, WithoutVerticalSyncFramesArePacedToTheRefreshRate) {
    SKIP_WITHOUT_DISPLAY();
    NOpenGLSurface surface;
    OpenWindowed(surface);
    if (surface.PacedRate() == 0) {
        GTEST_SKIP() << "this driver's buffer swaps wait for the display themselves";
    }
    int frames = 0;
    const Uint64 start = SDL_GetTicks64();
    while (SDL_GetTicks64() - start < 500) {
        surface.BeginFrame();
        glClear(GL_COLOR_BUFFER_BIT);
        surface.EndFrame();
        ++frames;
    }
    const double seconds = (SDL_GetTicks64() - start) / 1000.0;
    // A light scene would otherwise draw hundreds of frames; a slow machine only
    // draws fewer.
    EXPECT_LE(frames, surface.PacedRate() * seconds + 3) << frames << " in " << seconds << " s";
}
