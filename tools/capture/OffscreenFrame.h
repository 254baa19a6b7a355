// A framebuffer object (640 x 480 unless asked otherwise) that the frames are drawn
// into instead of the window, so that what is read back does not depend on the
// window being visible or as large.
#pragma once

#include <GL/gl.h>

#include <cstddef>
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
    bool Open(int width = kWidth, int height = kHeight);
    // Reads the frame back: RgbBytes() bytes, three a pixel, top row first. The block
    // is the frame's own and is reused by the next read.
    const unsigned char* ReadRgb();
    // Reads the frame back and writes it as an 8-bit RGB PNG.
    bool WritePng(const std::string& path);
    // Copies the frame into the window's own framebuffer (`windowWidth` x
    // `windowHeight` pixels), scaled into its centred 4:3 rectangle between black
    // bars, then binds the frame for drawing again. False when the driver cannot copy.
    bool ShowInWindow(int windowWidth, int windowHeight);

    int Width() const { return width; }
    int Height() const { return height; }
    size_t RgbBytes() const { return pixels.size(); }

  private:
    int width = kWidth;
    int height = kHeight;
    GLuint framebuffer = 0;
    GLuint colour = 0;
    GLuint depth = 0;
    std::vector<unsigned char> pixels;
};

// Writes `rgb` (width x height, three bytes a pixel, top row first) as a PNG file.
bool WriteRgbPng(const std::string& path, int width, int height, const unsigned char* rgb);
