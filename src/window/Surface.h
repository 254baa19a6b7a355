// The player's one output window. NSurface owns the SDL window, the desktop side
// effects of play and the event pump; the renderer's surfaces (render/) add what the
// frames are drawn with and present them.
#pragma once

#include <SDL.h>

#include "window/WinProp.h"

class NSurface {
  public:
    NSurface() = default;
    // Virtual so that a surface destroyed through this base releases its context too.
    virtual ~NSurface();
    NSurface(const NSurface&) = delete;
    NSurface& operator=(const NSurface&) = delete;

    // Starts video and opens the window; failures are logged, the surface stays closed.
    // A video driver that shows nothing (no display at all) counts as a failed start.
    virtual void Open();
    // Makes this the CurrentSurface.
    virtual void Select();
    virtual void Deselect();
    virtual void BeginFrame() = 0;
    virtual void EndFrame() = 0;
    // Releases the window; safe to repeat. The cursor and the screen saver are
    // restored when the surface is destroyed.
    virtual void Close();

    // True once Open gave the surface something to draw frames with.
    virtual bool CanDraw() const { return false; }

    // Handles every pending event; true while no quit has been requested. Tells the
    // surface when its window appears or changes size. Key presses count as made at
    // `musicSeconds`.
    bool PumpMessages(float musicSeconds);
    // Passes key presses and releases to the key timer, presses at `musicSeconds`;
    // Escape and closing the window request the quit.
    static void WindowProc(const SDL_Event& event, float musicSeconds);

    // The play mode, set before Open: full screen, or windowed (centred, or the
    // 320 x 240 corner window).
    void SetFullScreen(bool on) { fullScreen = on; }
    void SetCornerWindow(bool on) { cornerWindow = on; }
    void SetMode(int modeWidth, int modeHeight, int modeBitsPerPixel);

    // The logical size the picture is made for, which cameras take their aspect from.
    int Width() const { return width; }
    int Height() const { return height; }
    int BitsPerPixel() const { return bitsPerPixel; }
    SDL_Window* Window() const { return window; }

  protected:
    // Called after video start-up, right before the window is created: sets up what the
    // window must be created with and returns the window flags that needs.
    virtual Uint32 PrepareWindow() { return 0; }
    // Called when the window has appeared or its size has changed.
    virtual void WindowResized() {}

  private:
    static bool StartVideo();
    void OpenFullScreen(Uint32 flags);
    void OpenWindowed(Uint32 flags);
    bool DisplayOffersMode() const;
    // True for this window's appearing or changing size.
    bool IsResize(const SDL_Event& event) const;

    SDL_Window* window = nullptr;
    bool fullScreen = false;
    bool cornerWindow = false;
    int width = 640;
    int height = 480;
    int bitsPerPixel = 32;
    WinProp properties;
};

// The surface selected between BeginFrame and EndFrame, or null.
extern NSurface* CurrentSurface;
// Set by Escape, a window close or a quit event; never cleared.
extern bool QuitRequested;
