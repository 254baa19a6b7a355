#include "capture/OffscreenFrame.h"

#include <GL/glext.h>
#include <SDL.h>
#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>

#include "window/SurfaceLayout.h"

namespace {

// The framebuffer entry points; the engine's own table holds none of them.
struct FramebufferCalls {
    PFNGLGENFRAMEBUFFERSPROC genFramebuffers;
    PFNGLBINDFRAMEBUFFERPROC bindFramebuffer;
    PFNGLDELETEFRAMEBUFFERSPROC deleteFramebuffers;
    PFNGLGENRENDERBUFFERSPROC genRenderbuffers;
    PFNGLBINDRENDERBUFFERPROC bindRenderbuffer;
    PFNGLDELETERENDERBUFFERSPROC deleteRenderbuffers;
    PFNGLRENDERBUFFERSTORAGEPROC renderbufferStorage;
    PFNGLFRAMEBUFFERRENDERBUFFERPROC framebufferRenderbuffer;
    PFNGLCHECKFRAMEBUFFERSTATUSPROC checkFramebufferStatus;
    // Only for showing the frame in a window; may be missing.
    PFNGLBLITFRAMEBUFFERPROC blitFramebuffer;
};

FramebufferCalls gl = {};

template <typename Function>
bool Fetch(const char* name, Function& slot) {
    slot = reinterpret_cast<Function>(SDL_GL_GetProcAddress(name));
    return slot != nullptr;
}

bool FetchFramebufferCalls() {
    gl.blitFramebuffer =
        reinterpret_cast<PFNGLBLITFRAMEBUFFERPROC>(SDL_GL_GetProcAddress("glBlitFramebuffer"));
    return SDL_GL_GetCurrentContext() && Fetch("glGenFramebuffers", gl.genFramebuffers) &&
           Fetch("glBindFramebuffer", gl.bindFramebuffer) &&
           Fetch("glDeleteFramebuffers", gl.deleteFramebuffers) &&
           Fetch("glGenRenderbuffers", gl.genRenderbuffers) &&
           Fetch("glBindRenderbuffer", gl.bindRenderbuffer) &&
           Fetch("glDeleteRenderbuffers", gl.deleteRenderbuffers) &&
           Fetch("glRenderbufferStorage", gl.renderbufferStorage) &&
           Fetch("glFramebufferRenderbuffer", gl.framebufferRenderbuffer) &&
           Fetch("glCheckFramebufferStatus", gl.checkFramebufferStatus);
}

GLuint MakeRenderbuffer(GLenum format, GLenum attachment, int width, int height) {
    GLuint buffer = 0;
    gl.genRenderbuffers(1, &buffer);
    gl.bindRenderbuffer(GL_RENDERBUFFER, buffer);
    gl.renderbufferStorage(GL_RENDERBUFFER, format, width, height);
    gl.framebufferRenderbuffer(GL_FRAMEBUFFER, attachment, GL_RENDERBUFFER, buffer);
    return buffer;
}

}  // namespace

OffscreenFrame::~OffscreenFrame() {
    if (!framebuffer || !SDL_GL_GetCurrentContext()) {
        return;
    }
    gl.bindFramebuffer(GL_FRAMEBUFFER, 0);
    gl.deleteFramebuffers(1, &framebuffer);
    gl.deleteRenderbuffers(1, &colour);
    gl.deleteRenderbuffers(1, &depth);
}

bool OffscreenFrame::Open(int frameWidth, int frameHeight) {
    if (!FetchFramebufferCalls()) {
        return false;
    }
    width = frameWidth;
    height = frameHeight;
    gl.genFramebuffers(1, &framebuffer);
    gl.bindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    colour = MakeRenderbuffer(GL_RGBA8, GL_COLOR_ATTACHMENT0, width, height);
    // The window's own depth buffer has 16 bits; the frames get the same.
    depth = MakeRenderbuffer(GL_DEPTH_COMPONENT16, GL_DEPTH_ATTACHMENT, width, height);
    pixels.resize(static_cast<size_t>(width) * height * 3);
    return gl.checkFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
}

const unsigned char* OffscreenFrame::ReadRgb() {
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    // OpenGL hands the bottom row first.
    const size_t row = static_cast<size_t>(width) * 3;
    for (int top = 0, bottom = height - 1; top < bottom; ++top, --bottom) {
        std::swap_ranges(pixels.begin() + top * row, pixels.begin() + (top + 1) * row,
                         pixels.begin() + bottom * row);
    }
    return pixels.data();
}

bool OffscreenFrame::WritePng(const std::string& path) {
    return WriteRgbPng(path, width, height, ReadRgb());
}

bool OffscreenFrame::ShowInWindow(int windowWidth, int windowHeight) {
    if (!framebuffer || !gl.blitFramebuffer) {
        return false;
    }
    const PixelRect picture = LetterboxViewport(windowWidth, windowHeight);
    gl.bindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    gl.bindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer);
    // The frames set their own clear colour; the bars must not change it.
    GLfloat clearColor[4];
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clearColor);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glClearColor(clearColor[0], clearColor[1], clearColor[2], clearColor[3]);
    gl.blitFramebuffer(0, 0, width, height, picture.x, picture.y, picture.x + picture.width,
                       picture.y + picture.height, GL_COLOR_BUFFER_BIT, GL_LINEAR);
    gl.bindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    return true;
}

bool WriteRgbPng(const std::string& path, int width, int height, const unsigned char* rgb) {
    FILE* file = fopen(path.c_str(), "wb");
    if (!file) {
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    volatile bool written = false;
    // libpng reports its failures by jumping back here.
    if (info && setjmp(png_jmpbuf(png)) == 0) {
        png_init_io(png, file);
        png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                     PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_write_info(png, info);
        for (int y = 0; y < height; ++y) {
            png_write_row(png, rgb + static_cast<size_t>(y) * width * 3);
        }
        png_write_end(png, nullptr);
        written = true;
    }
    png_destroy_write_struct(&png, &info);
    return fclose(file) == 0 && written;
}
