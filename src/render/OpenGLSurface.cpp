#include "render/OpenGLSurface.h"

#include <GL/gl.h>

#include "base/Con.h"
#include "render/SurfaceLayout.h"

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
    // Where the driver cannot wait for the vertical retrace, frames simply run free.
    SDL_GL_SetSwapInterval(1);
}

void NOpenGLSurface::BeginFrame() {
    Select();
    if (context) {
        ApplyViewport();
    }
}

void NOpenGLSurface::EndFrame() {
    Deselect();
    if (context) {
        SDL_GL_SwapWindow(Window());
    }
}

void NOpenGLSurface::Close() {
    if (context) {
        SDL_GL_MakeCurrent(Window(), nullptr);
        SDL_GL_DeleteContext(context);
        context = nullptr;
    }
    NSurface::Close();
}

// Read every frame, because a full-screen window may get its final size only after
// it is shown. On a screen that is not 4:3 the bars are cleared to black and the
// scissor keeps the scenes' own clears inside the picture.
void NOpenGLSurface::ApplyViewport() {
    int width = drawableWidth;
    int height = drawableHeight;
    if (width <= 0 || height <= 0) {
        SDL_GL_GetDrawableSize(Window(), &width, &height);
    }
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
