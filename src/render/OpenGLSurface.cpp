#include "render/OpenGLSurface.h"

#include <GL/gl.h>

#include "base/Con.h"
#include "render/Extensions.h"
#include "window/SurfaceLayout.h"

NOpenGLSurface::~NOpenGLSurface() {
    NOpenGLSurface::Close();
}

Uint32 NOpenGLSurface::PrepareWindow() {
    // The engine draws with OpenGL 1.1 fixed function plus ARB extensions, which a
    // core profile would refuse.
    SDL_GL_ResetAttributes();
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
    SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    return SDL_WINDOW_OPENGL;
}

void NOpenGLSurface::Open() {
    const bool alreadyOpen = Window() != nullptr;
    NSurface::Open();
    if (alreadyOpen) {
        return;
    }
    if (!Window()) {
        Con.Error("No proper pixel format available.");
        return;
    }
    context = SDL_GL_CreateContext(Window());
    if (!context) {
        Con.Error("Unable to allocate rendering context.");
        Con.PrintLine("NOpenGLSurface: %s", SDL_GetError());
        Close();
        return;
    }
    if (SDL_GL_MakeCurrent(Window(), context) != 0) {
        Con.Error("Unable to activate rendering context.");
        Con.PrintLine("NOpenGLSurface: %s", SDL_GetError());
        Close();
        return;
    }
    FetchExtensions();
    WindowResized();
    if (SDL_GL_SetSwapInterval(1) != 0 && pacingAllowed) {
        StartPacing();
    }
}

// The display's own rate where it tells one; Xvfb and some drivers report none.
void NOpenGLSurface::StartPacing() {
    SDL_DisplayMode mode;
    const int display = SDL_GetWindowDisplayIndex(Window());
    const bool known = display >= 0 && SDL_GetCurrentDisplayMode(display, &mode) == 0;
    pacer.Start(known ? mode.refresh_rate : 0, SDL_GetTicks64());
    paced = true;
}

// Read from the window itself rather than assumed from the screen, so the picture
// lands where the window really is, on any output scale.
void NOpenGLSurface::WindowResized() {
    if (!context) {
        return;
    }
    SDL_GL_GetDrawableSize(Window(), &windowWidth, &windowHeight);
}

void NOpenGLSurface::BeginFrame() {
    Select();
    if (context) {
        ApplyViewport();
    }
}

void NOpenGLSurface::EndFrame() {
    Deselect();
    if (!context) {
        return;
    }
    SDL_GL_SwapWindow(Window());
    if (paced) {
        SDL_Delay(pacer.WaitAfterFrame(SDL_GetTicks64()));
    }
}

void NOpenGLSurface::Close() {
    if (context) {
        SDL_GL_MakeCurrent(Window(), nullptr);
        SDL_GL_DeleteContext(context);
        context = nullptr;
    }
    paced = false;
    NSurface::Close();
}

// On a screen (or framebuffer) that is not 4:3 the bars are cleared to black and the scissor keeps
// the scenes' own clears inside the picture.
void NOpenGLSurface::ApplyViewport() {
    const bool framebuffer = drawableWidth > 0 && drawableHeight > 0;
    const int width = framebuffer ? drawableWidth : windowWidth;
    const int height = framebuffer ? drawableHeight : windowHeight;
    const PixelRect picture = LetterboxViewport(width, height);
    glViewport(picture.x, picture.y, picture.width, picture.height);
    glDisable(GL_SCISSOR_TEST);
    if (picture.width == width && picture.height == height) {
        return;
    }
    GLfloat clearColor[4];
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clearColor);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glClearColor(clearColor[0], clearColor[1], clearColor[2], clearColor[3]);
    glScissor(picture.x, picture.y, picture.width, picture.height);
    glEnable(GL_SCISSOR_TEST);
}
