// A picture being made: floating-point RGBA pixels, painted by pattern functions,
// with coverage masks (text, shapes) laid over them, and written through the engine's
// own TGA and JPEG codecs.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "makedemo/Noise.h"

struct Rgba {
    double r, g, b, a;
};

// Opacity 0..1 per pixel: a shape or a line of text, anti-aliased.
struct Mask {
    int width = 0;
    int height = 0;
    std::vector<float> alpha;

    Mask() = default;
    Mask(int w, int h) : width(w), height(h), alpha(static_cast<size_t>(w) * h, 0.0f) {}
    float At(int x, int y) const {
        return x < 0 || y < 0 || x >= width || y >= height
                   ? 0.0f
                   : alpha[static_cast<size_t>(y) * width + x];
    }
    float& Ref(int x, int y) { return alpha[static_cast<size_t>(y) * width + x]; }
};

// A soft copy of `mask`, `radius` pixels wide (three box passes, near a Gaussian),
// grown by kBlurReach(radius) pixels on every side so that nothing of it is cut off.
Mask Blurred(const Mask& mask, int radius);
constexpr int kBlurReach(int radius) {
    return 3 * radius;
}

class Canvas {
  public:
    Canvas(int width, int height);

    int Width() const { return width; }
    int Height() const { return height; }
    Rgba& At(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }

    // Sets every pixel from pattern(u, v), u and v the pixel's centre in 0..1 from
    // the top left corner.
    void Paint(const std::function<Rgba(double u, double v)>& pattern);
    // Lays `colour` over the canvas through `mask` placed with its top left corner at
    // (left, top), scaled by `opacity`: the usual "over" of translucent paint.
    void Lay(const Mask& mask, int left, int top, const Rgb& colour, double opacity = 1.0);
    // Lays a glow of `colour`: `mask` blurred by `radius`, centred where Lay would put
    // the mask itself.
    void LayGlow(const Mask& mask, int left, int top, int radius, const Rgb& colour,
                 double opacity);

    // Writes the picture into `dir`, as JPEG (no alpha) or TGA (with alpha when
    // `withAlpha`) by the name's extension; 0 on success.
    int Write(const std::string& dir, const std::string& name, bool withAlpha) const;

  private:
    int width;
    int height;
    std::vector<Rgba> pixels;
};
