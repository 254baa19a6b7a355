#include "window/Surface.h"

#include <cstring>
#include <initializer_list>

#include "base/Con.h"
#include "window/KeyTimer.h"
#include "window/SurfaceLayout.h"
#include "window/VirtualKey.h"

NSurface* CurrentSurface = nullptr;
bool QuitRequested = false;

namespace {

const char kWindowTitle[] = "Nimbus";

// The one surface window of the process, whoever opened it.
SDL_Window* surfaceWindow = nullptr;

// Video stays up from the first Open to the end of the process: the desktop side
// effects are undone through it when the surface is destroyed, after Close, and
// stopping it would unload the OpenGL driver with memory still in its hands.
bool videoRunning = false;

// SDL falls back to these where there is no display: they open windows nobody sees.
bool ShowsNothing(const char* driver) {
    for (const char* name : {"offscreen", "dummy", "evdev"}) {
        if (driver && strcmp(driver, name) == 0) {
            return true;
        }
    }
    return false;
}

}  // namespace

NSurface::~NSurface() {
    if (CurrentSurface == this) {
        CurrentSurface = nullptr;
    }
    NSurface::Close();
}

void NSurface::SetMode(int modeWidth, int modeHeight, int modeBitsPerPixel) {
    width = modeWidth;
    height = modeHeight;
    bitsPerPixel = modeBitsPerPixel;
}

void NSurface::Open() {
    if (surfaceWindow) {
        Con.Error("There can be only one surface window at a time.");
        return;
    }
    if (!StartVideo()) {
        Con.Error("Unable to register window class.");
        Con.PrintLine("NSurface: %s", SDL_GetError());
        return;
    }
    CreateKeyTimer();
    // High DPI so that a scaled output's real pixels are drawn, not an upscaled picture.
    const Uint32 flags =
        SDL_WINDOW_SHOWN | SDL_WINDOW_ALWAYS_ON_TOP | SDL_WINDOW_ALLOW_HIGHDPI | PrepareWindow();
    if (fullScreen) {
        OpenFullScreen(flags);
    } else {
        OpenWindowed(flags);
    }
    if (window) {
        surfaceWindow = window;
        properties.SetState(WinProp::kScreenSaver, true);
    }
}

bool NSurface::StartVideo() {
    if (videoRunning) {
        return true;
    }
    // SDL switches the screen saver off at start-up unless allowed to keep it; it must
    // stay as the desktop has it so that the real state can be read and restored.
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        return false;
    }
    const char* driver = SDL_GetCurrentVideoDriver();
    if (ShowsNothing(driver)) {
        // Playing there would run the show invisibly to its end.
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        SDL_SetError("no display to show the picture on (video driver %s)", driver);
        return false;
    }
    videoRunning = true;
    return true;
}

// A desktop-sized full-screen window: the desktop's mode is never changed, so a crash
// cannot leave the desktop at the player's resolution. The picture keeps its logical
// size and is letterboxed by the rendering surface. The window is created covering
// the display because without a window manager nothing else would make it do so;
// borderless so that a window manager that declines the full-screen state adds no frame.
void NSurface::OpenFullScreen(Uint32 flags) {
    SDL_Rect screen;
    if (SDL_GetDisplayBounds(0, &screen) != 0) {
        const int anywhere = static_cast<int>(SDL_WINDOWPOS_UNDEFINED_DISPLAY(0));
        screen = {anywhere, anywhere, width, height};
    }
    window = SDL_CreateWindow(kWindowTitle, screen.x, screen.y, screen.w, screen.h,
                              flags | SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_BORDERLESS);
    if (!window) {
        Con.Error("Unable to create window.");
        Con.PrintLine("NSurface: %s", SDL_GetError());
        return;
    }
    if (!DisplayOffersMode()) {
        // Reported, but play goes on in the desktop's own mode.
        Con.Error("Chosen display mode (%dx%d, %dbpp) is unsupported on this system.", width,
                  height, bitsPerPixel);
    }
    properties.SetState(WinProp::kCursor, true);
}

bool NSurface::DisplayOffersMode() const {
    SDL_DisplayMode desktop;
    if (SDL_GetDesktopDisplayMode(0, &desktop) != 0) {
        return false;
    }
    return desktop.w >= width && desktop.h >= height &&
           static_cast<int>(SDL_BYTESPERPIXEL(desktop.format)) * 8 == bitsPerPixel;
}

void NSurface::OpenWindowed(Uint32 flags) {
    SDL_Rect screen = {0, 0, 0, 0};
    SDL_GetDisplayBounds(0, &screen);
    PixelRect client;
    if (cornerWindow) {
        width = kCornerWindowWidth;
        height = kCornerWindowHeight;
        client = CornerClientRect(screen.w, screen.h);
    } else {
        client = CentredClientRect(screen.w, screen.h, width, height);
    }
    // SDL places the client area, so the rectangle needs no frame added.
    window = SDL_CreateWindow(kWindowTitle, screen.x + client.x, screen.y + client.y, client.width,
                              client.height, flags);
    if (!window) {
        Con.Error("Unable to create window.");
        Con.PrintLine("NSurface: %s", SDL_GetError());
    }
}

void NSurface::Select() {
    CurrentSurface = this;
}

void NSurface::Deselect() {
    CurrentSurface = nullptr;
}

void NSurface::Close() {
    if (window) {
        SDL_DestroyWindow(window);
        if (surfaceWindow == window) {
            surfaceWindow = nullptr;
        }
        window = nullptr;
    }
}

bool NSurface::PumpMessages(float musicSeconds) {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (event.type == SDL_QUIT) {
            QuitRequested = true;
        } else if (IsResize(event)) {
            WindowResized();
        } else {
            WindowProc(event, musicSeconds);
        }
    }
    return !QuitRequested;
}

bool NSurface::IsResize(const SDL_Event& event) const {
    if (event.type != SDL_WINDOWEVENT || event.window.windowID != SDL_GetWindowID(window)) {
        return false;
    }
    return event.window.event == SDL_WINDOWEVENT_SHOWN ||
           event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED;
}

void NSurface::WindowProc(const SDL_Event& event, float musicSeconds) {
    switch (event.type) {
        case SDL_KEYDOWN: {
            const int code = VirtualKeyFromSdl(event.key.keysym.sym);
            if (code < 0) {
                return;
            }
            if (KeyTimer* keys = TheKeyTimer()) {
                keys->KeyDown(code, musicSeconds);
            }
            if (code == kVirtualKeyEscape) {
                QuitRequested = true;
            }
            return;
        }
        case SDL_KEYUP: {
            const int code = VirtualKeyFromSdl(event.key.keysym.sym);
            KeyTimer* keys = TheKeyTimer();
            if (code >= 0 && keys) {
                keys->KeyUp(code);
            }
            return;
        }
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_CLOSE) {
                QuitRequested = true;
            }
            return;
        default:
            return;
    }
}
