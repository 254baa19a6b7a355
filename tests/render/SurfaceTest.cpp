#include "render/Surface.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "DisplayTestSupport.h"
#include "ScreenPixel.h"
#include "app/Con.h"
#include "app/KeyTimer.h"
#include "render/OpenGLSurface.h"

namespace {

using test::LogText;

struct Viewport {
    GLint x, y, width, height;
};

Viewport CurrentViewport() {
    GLint v[4] = {-1, -1, -1, -1};
    glGetIntegerv(GL_VIEWPORT, v);
    return {v[0], v[1], v[2], v[3]};
}

// Reads one pixel of the back buffer as 0..255 RGB.
void ReadBackPixel(int x, int y, GLubyte rgb[3]) {
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb);
}

unsigned long ScreenPixel(SDL_Window* window, int x, int y) {
    unsigned long rgb = 0;
    EXPECT_TRUE(test::ReadScreenPixel(window, x, y, &rgb));
    return rgb;
}

void PushKey(Uint32 type, SDL_Keycode key) {
    SDL_Event event = {};
    event.type = type;
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = key;
    ASSERT_EQ(SDL_PushEvent(&event), 1);
}

// An OpenGL surface whose context request no driver can meet.
class UnmeetableContextSurface : public NOpenGLSurface {
  protected:
    Uint32 PrepareWindow() override {
        const Uint32 flags = NOpenGLSurface::PrepareWindow();
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 99);
        return flags;
    }
};

class Surface : public testing::Test {
  protected:
    void SetUp() override { Con.EnableBuffer(true); }
};

}  // namespace

TEST_F(Surface, FullScreenOpensADesktopWindowWithAContextAtTheLogicalSize) {
    SKIP_WITHOUT_DISPLAY();
    test::VideoReference video;
    auto surface = std::make_unique<NOpenGLSurface>();
    surface->SetFullScreen(true);
    surface->Open();
    ASSERT_TRUE(surface->HasRenderingContext()) << LogText();
    EXPECT_EQ(LogText(), "");
    EXPECT_EQ(Con.ErrorCount(), 0);
    EXPECT_STREQ(SDL_GetWindowTitle(surface->Window()), "Nimbus");
    EXPECT_TRUE(SDL_GetWindowFlags(surface->Window()) & SDL_WINDOW_FULLSCREEN_DESKTOP);
    EXPECT_EQ(surface->Width(), 640);
    EXPECT_EQ(surface->Height(), 480);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);
    EXPECT_FALSE(SDL_IsScreenSaverEnabled());
    int doubleBuffer = 0;
    int depth = 0;
    SDL_GL_GetAttribute(SDL_GL_DOUBLEBUFFER, &doubleBuffer);
    SDL_GL_GetAttribute(SDL_GL_DEPTH_SIZE, &depth);
    EXPECT_EQ(doubleBuffer, 1);
    EXPECT_GE(depth, 16);

    surface->Close();
    EXPECT_EQ(surface->Window(), nullptr);
    EXPECT_FALSE(surface->HasRenderingContext());
    surface->Close();  // closing again changes nothing

    // Destroyed through its base, as its owner does.
    std::unique_ptr<NSurface> owner = std::move(surface);
    owner.reset();
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_ENABLE);
    EXPECT_TRUE(SDL_IsScreenSaverEnabled());
}

TEST_F(Surface, AScreenSaverThatWasOffStaysOffAfterPlay) {
    SKIP_WITHOUT_DISPLAY();
    test::VideoReference video;
    SDL_DisableScreenSaver();
    {
        NOpenGLSurface surface;
        surface.SetFullScreen(true);
        surface.Open();
        ASSERT_TRUE(surface.HasRenderingContext()) << LogText();
    }
    EXPECT_FALSE(SDL_IsScreenSaverEnabled());
}

TEST_F(Surface, FramesSelectTheSurfaceAndPresentTheBackBuffer) {
    SKIP_WITHOUT_DISPLAY();
    NOpenGLSurface surface;
    surface.Open();
    ASSERT_TRUE(surface.HasRenderingContext()) << LogText();
    EXPECT_EQ(CurrentSurface, nullptr);

    surface.BeginFrame();
    EXPECT_EQ(CurrentSurface, &surface);
    const Viewport viewport = CurrentViewport();
    EXPECT_EQ(viewport.x, 0);
    EXPECT_EQ(viewport.y, 0);
    EXPECT_EQ(viewport.width, 640);
    EXPECT_EQ(viewport.height, 480);
    glClearColor(0.0f, 1.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glFinish();
    // Drawn into the back buffer, so not on screen yet...
    EXPECT_NE(ScreenPixel(surface.Window(), 320, 240), 0x00FF00u);
    surface.EndFrame();
    EXPECT_EQ(CurrentSurface, nullptr);
    glFinish();
    // ...until the swap.
    EXPECT_EQ(ScreenPixel(surface.Window(), 320, 240), 0x00FF00u);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(Surface, AWideWindowShowsThePictureCentredBetweenBlackBars) {
    SKIP_WITHOUT_DISPLAY();
    NOpenGLSurface surface;
    surface.SetMode(640, 360, 32);
    surface.Open();
    ASSERT_TRUE(surface.HasRenderingContext()) << LogText();

    // A scene clears with its own colour...
    glClearColor(1.0f, 0.0f, 0.0f, 1.0f);
    surface.BeginFrame();
    const Viewport viewport = CurrentViewport();
    EXPECT_EQ(viewport.x, 80);
    EXPECT_EQ(viewport.y, 0);
    EXPECT_EQ(viewport.width, 480);
    EXPECT_EQ(viewport.height, 360);
    GLfloat clearColor[4] = {};
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clearColor);
    EXPECT_EQ(clearColor[0], 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);

    // ...which reaches the picture but not the bars.
    GLubyte bar[3] = {};
    GLubyte picture[3] = {};
    ReadBackPixel(10, 180, bar);
    ReadBackPixel(320, 180, picture);
    EXPECT_EQ(bar[0], 0);
    EXPECT_EQ(picture[0], 255);
    surface.EndFrame();
}

TEST_F(Surface, CornerWindowIs320By240InTheBottomRightCorner) {
    SKIP_WITHOUT_DISPLAY();
    NOpenGLSurface surface;
    surface.SetCornerWindow(true);
    surface.Open();
    ASSERT_TRUE(surface.HasRenderingContext()) << LogText();
    EXPECT_EQ(surface.Width(), 320);
    EXPECT_EQ(surface.Height(), 240);

    SDL_Rect screen;
    ASSERT_EQ(SDL_GetDisplayBounds(0, &screen), 0);
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    SDL_GetWindowPosition(surface.Window(), &x, &y);
    SDL_GetWindowSize(surface.Window(), &width, &height);
    EXPECT_EQ(x, screen.x + screen.w - 320);
    EXPECT_EQ(y, screen.y + screen.h - 240);
    EXPECT_EQ(width, 320);
    EXPECT_EQ(height, 240);
    EXPECT_FALSE(SDL_GetWindowFlags(surface.Window()) & SDL_WINDOW_FULLSCREEN);
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
    first.Open();
    ASSERT_TRUE(first.HasRenderingContext()) << LogText();

    NOpenGLSurface second;
    second.Open();
    EXPECT_EQ(LogText(),
              "Error: There can be only one surface window at a time.\r\n"
              "Error: No proper pixel format available.\r\n");
    EXPECT_EQ(Con.ErrorCount(), 2);
    EXPECT_EQ(second.Window(), nullptr);
    EXPECT_FALSE(second.HasRenderingContext());
    EXPECT_TRUE(first.HasRenderingContext());

    // Opening the open surface again is refused the same way and changes nothing.
    first.Open();
    EXPECT_EQ(Con.ErrorCount(), 3);
    EXPECT_TRUE(first.HasRenderingContext());

    first.Close();
    second.Open();
    EXPECT_TRUE(second.HasRenderingContext()) << LogText();
}

TEST_F(Surface, KeysReachTheKeyTimerAsVirtualKeyNumbers) {
    SKIP_WITHOUT_DISPLAY();
    NOpenGLSurface surface;
    surface.Open();
    ASSERT_TRUE(surface.HasRenderingContext()) << LogText();
    KeyTimer* keys = TheKeyTimer();
    ASSERT_NE(keys, nullptr);

    PushKey(SDL_KEYDOWN, SDLK_t);
    PushKey(SDL_KEYDOWN, SDLK_SPACE);
    PushKey(SDL_KEYDOWN, SDLK_LSHIFT);
    EXPECT_TRUE(surface.PumpMessages());
    EXPECT_TRUE(keys->IsKeyDown('T'));
    EXPECT_TRUE(keys->IsKeyDown(32));

    PushKey(SDL_KEYUP, SDLK_t);
    EXPECT_TRUE(surface.PumpMessages());
    EXPECT_FALSE(keys->IsKeyDown('T'));
    EXPECT_TRUE(keys->IsKeyDown(32));
    EXPECT_FALSE(QuitRequested);
}

TEST_F(Surface, EscapeRequestsTheQuitAndStillReachesTheKeyTimer) {
    SKIP_WITHOUT_DISPLAY();
    NOpenGLSurface surface;
    surface.Open();
    ASSERT_TRUE(surface.HasRenderingContext()) << LogText();

    PushKey(SDL_KEYDOWN, SDLK_ESCAPE);
    EXPECT_FALSE(surface.PumpMessages());
    EXPECT_TRUE(QuitRequested);
    EXPECT_TRUE(TheKeyTimer()->IsKeyDown(27));
    // The request is never withdrawn.
    PushKey(SDL_KEYUP, SDLK_ESCAPE);
    EXPECT_FALSE(surface.PumpMessages());
}

TEST_F(Surface, ClosingTheWindowRequestsTheQuit) {
    SKIP_WITHOUT_DISPLAY();
    NOpenGLSurface surface;
    surface.Open();
    ASSERT_TRUE(surface.HasRenderingContext()) << LogText();

    SDL_Event event = {};
    event.type = SDL_WINDOWEVENT;
    event.window.event = SDL_WINDOWEVENT_CLOSE;
    event.window.windowID = SDL_GetWindowID(surface.Window());
    ASSERT_EQ(SDL_PushEvent(&event), 1);
    EXPECT_FALSE(surface.PumpMessages());
    EXPECT_TRUE(QuitRequested);
}

TEST_F(Surface, AQuitEventRequestsTheQuit) {
    SKIP_WITHOUT_DISPLAY();
    NOpenGLSurface surface;
    surface.Open();
    ASSERT_TRUE(surface.HasRenderingContext()) << LogText();
    EXPECT_TRUE(surface.PumpMessages());

    SDL_Event event = {};
    event.type = SDL_QUIT;
    ASSERT_EQ(SDL_PushEvent(&event), 1);
    EXPECT_FALSE(surface.PumpMessages());
    EXPECT_TRUE(QuitRequested);
}

TEST_F(Surface, AContextTheDriverRefusesLeavesNoWindowBehind) {
    SKIP_WITHOUT_DISPLAY();
    UnmeetableContextSurface surface;
    surface.Open();
    EXPECT_EQ(LogText().rfind("Error: Unable to allocate rendering context.\r\n", 0), 0u)
        << LogText();
    EXPECT_EQ(Con.ErrorCount(), 1);
    EXPECT_FALSE(surface.HasRenderingContext());
    EXPECT_EQ(surface.Window(), nullptr);

    // The window is gone, so a surface that can draw may open.
    NOpenGLSurface next;
    next.Open();
    EXPECT_TRUE(next.HasRenderingContext()) << LogText();
}

TEST_F(Surface, WithoutADisplayTheVideoStartFailsAndNothingOpens) {
    test::ScopedEnv noX11("DISPLAY", nullptr);
    test::ScopedEnv noWayland("WAYLAND_DISPLAY", nullptr);
    test::ScopedEnv driver("SDL_VIDEODRIVER", "x11");
    NOpenGLSurface surface;
    surface.SetFullScreen(true);
    surface.Open();
    const std::string log = LogText();
    EXPECT_EQ(log.rfind("Error: Unable to register window class.\r\n", 0), 0u) << log;
    EXPECT_NE(log.find("\r\nError: No proper pixel format available.\r\n"), std::string::npos);
    EXPECT_EQ(Con.ErrorCount(), 2);
    EXPECT_EQ(surface.Window(), nullptr);
    EXPECT_FALSE(surface.HasRenderingContext());
    EXPECT_EQ(TheKeyTimer(), nullptr);

    // The player's frame calls go on harmlessly.
    surface.BeginFrame();
    EXPECT_EQ(CurrentSurface, &surface);
    surface.EndFrame();
    EXPECT_TRUE(surface.PumpMessages());
    surface.Close();
    EXPECT_EQ(Con.ErrorCount(), 2);
}

TEST_F(Surface, AVideoDriverWithoutOpenGLCannotCreateTheWindow) {
    test::ScopedEnv driver("SDL_VIDEODRIVER", "dummy");
    NOpenGLSurface surface;
    surface.Open();
    const std::string log = LogText();
    EXPECT_EQ(log.rfind("Error: Unable to create window.\r\n", 0), 0u) << log;
    EXPECT_NE(log.find("\r\nError: No proper pixel format available.\r\n"), std::string::npos);
    EXPECT_EQ(Con.ErrorCount(), 2);
    EXPECT_FALSE(surface.HasRenderingContext());
    // The key timer exists from the first Open that got video running.
    EXPECT_NE(TheKeyTimer(), nullptr);
}

TEST_F(Surface, DestroyingTheSelectedSurfaceClearsTheSelection) {
    test::ScopedEnv driver("SDL_VIDEODRIVER", "dummy");
    {
        NOpenGLSurface surface;
        surface.Select();
        EXPECT_EQ(CurrentSurface, &surface);
    }
    EXPECT_EQ(CurrentSurface, nullptr);
}
