// A 640 x 480 framebuffer object that the frames are drawn into instead of the
// window, so that what is read back does not depend on the window being visible.
#pragma once

#include <GL/gl.h>

#include <string>
#include <vector>

class OffscreenFrame {
  public:
    static constexpr int kWidth = 640;
    static constexpr int kHeight = 480;

    OffscreenFrame() = default;
    ~OffscreenFrame();
    OffscreenFrame(const OffscreenFrame&) = delete;
    OffscreenFrame& operator=(const OffscreenFrame&) = delete;

    // Creates the colour and depth buffers and binds the framebuffer for drawing;
    // needs a current rendering context. False when the driver offers none.
    bool Open();
    // Reads the frame back and writes it as an 8-bit RGB PNG, top row first.
    bool WritePng(const std::string& path);

  private:
    GLuint framebuffer = 0;
    GLuint colour = 0;
    GLuint depth = 0;
    std::vector<unsigned char> pixels;
};

// Writes `rgb` (width x height, three bytes a pixel, top row first) as a PNG file.
bool WriteRgbPng(const std::string& path, int width, int height, const unsigned char* rgb);
