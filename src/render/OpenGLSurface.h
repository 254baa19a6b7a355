// The surface the player draws on: an NSurface with an OpenGL rendering context
// (double buffered, 16-bit depth, RGBA, compatibility profile) that presents each
// frame by buffer swap.
#pragma once

#include "render/Surface.h"

class NOpenGLSurface : public NSurface {
  public:
    NOpenGLSurface() = default;
    ~NOpenGLSurface() override;

    // Opens the window, then creates the context and makes it current. A surface
    // without a context keeps no window either.
    void Open() override;
    // Selects the surface and points OpenGL at the picture's centred 4:3 viewport.
    void BeginFrame() override;
    // Deselects the surface and swaps the buffers.
    void EndFrame() override;
    void Close() override;

    // Only while this is true may anything call OpenGL.
    bool HasRenderingContext() const { return context != nullptr; }

    // Frames are drawn into a framebuffer of this size instead of the window (the
    // capture tool's offscreen frame), letterboxed in it as in the window; 0 x 0
    // returns to the window's own size.
    void SetDrawableSize(int width, int height) {
        drawableWidth = width;
        drawableHeight = height;
    }

  protected:
    Uint32 PrepareWindow() override;

  private:
    void ApplyViewport();

    SDL_GLContext context = nullptr;
    int drawableWidth = 0;
    int drawableHeight = 0;
};
