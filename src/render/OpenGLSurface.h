// The surface the player draws on: an NSurface with an OpenGL rendering context
// (double buffered, 16-bit depth, RGBA, compatibility profile) that presents each
// frame by buffer swap.
#pragma once

#include "window/FramePacer.h"
#include "window/Surface.h"

class NOpenGLSurface : public NSurface {
  public:
    NOpenGLSurface() = default;
    ~NOpenGLSurface() override;

    // Opens the window, then creates the context, makes it current and fetches the
    // extension entry points. A surface without a context keeps no window either.
    // Where buffer swaps cannot wait for the display, EndFrame paces the frames to the
    // display's refresh rate instead.
    void Open() override;
    // Selects the surface and points OpenGL at the picture's centred 4:3 viewport.
    void BeginFrame() override;
    // Deselects the surface, swaps the buffers and, when pacing, waits for the
    // next frame's turn.
    void EndFrame() override;
    void Close() override;

    // Only while this is true may anything call OpenGL.
    bool HasRenderingContext() const { return context != nullptr; }
    bool CanDraw() const override { return HasRenderingContext(); }
    // Whether frames are paced (set before Open): a tool that draws frames on its own
    // clock, faster or slower than real time, turns it off.
    void SetFramePacing(bool on) { pacingAllowed = on; }
    // The rate EndFrame paces to; 0 when the swaps wait for the display themselves.
    int PacedRate() const { return paced ? pacer.Rate() : 0; }

    // Frames are drawn into a framebuffer of this size instead of the window (the
    // capture tool's offscreen frame), letterboxed in it as in the window; 0 x 0
    // returns to the window's own size.
    void SetDrawableSize(int width, int height) {
        drawableWidth = width;
        drawableHeight = height;
    }

  protected:
    Uint32 PrepareWindow() override;
    void WindowResized() override;

  private:
    void StartPacing();
    void ApplyViewport();

    SDL_GLContext context = nullptr;
    // A framebuffer's size that frames are drawn into in place of the window; 0 x 0
    // for none.
    int drawableWidth = 0;
    int drawableHeight = 0;
    // The window's drawable size in pixels, read when it appears and changes size.
    int windowWidth = 0;
    int windowHeight = 0;
    bool pacingAllowed = true;
    bool paced = false;
    FramePacer pacer;
};
