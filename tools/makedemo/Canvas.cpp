#include "makedemo/Canvas.h"

#include <algorithm>
#include <cmath>

#include "image/Bitmap.h"
#include "image/JPGFile.h"
#include "image/TGAFile.h"
#include "io/Data.h"

namespace {

// One horizontal box pass of `radius` over every row, written transposed, so that
// two passes blur both ways.
Mask BoxPassTransposed(const Mask& in, int radius) {
    Mask out(in.height, in.width);
    const double span = 2.0 * radius + 1.0;
    for (int y = 0; y < in.height; ++y) {
        double sum = 0.0;
        for (int x = -radius; x <= radius; ++x) {
            sum += in.At(x, y);
        }
        for (int x = 0; x < in.width; ++x) {
            out.Ref(y, x) = static_cast<float>(sum / span);
            sum += in.At(x + radius + 1, y) - in.At(x - radius, y);
        }
    }
    return out;
}

// A value 0..1 as a byte, dithered by a fixed pattern so that slow gradients do not
// band into steps.
unsigned char Byte(double v, double dither) {
    return static_cast<unsigned char>(std::lround(std::clamp(v * 255.0 + dither, 0.0, 255.0)));
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

Mask Blurred(const Mask& mask, int radius) {
    const int reach = kBlurReach(radius);
    Mask result(mask.width + 2 * reach, mask.height + 2 * reach);
    for (int y = 0; y < mask.height; ++y) {
        for (int x = 0; x < mask.width; ++x) {
            result.Ref(x + reach, y + reach) = mask.At(x, y);
        }
    }
    for (int pass = 0; pass < 3; ++pass) {
        result = BoxPassTransposed(BoxPassTransposed(result, radius), radius);
    }
    return result;
}

Canvas::Canvas(int w, int h)
    : width(w), height(h), pixels(static_cast<size_t>(w) * h, Rgba{0, 0, 0, 0}) {}

void Canvas::Paint(const std::function<Rgba(double u, double v)>& pattern) {
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            At(x, y) = pattern((x + 0.5) / width, (y + 0.5) / height);
        }
    }
}

void Canvas::Lay(const Mask& mask, int left, int top, const Rgb& colour, double opacity) {
    for (int y = 0; y < mask.height; ++y) {
        for (int x = 0; x < mask.width; ++x) {
            const int cx = left + x;
            const int cy = top + y;
            const double cover = mask.At(x, y) * opacity;
            if (cx < 0 || cy < 0 || cx >= width || cy >= height || cover <= 0.0) {
                continue;
            }
            Rgba& pixel = At(cx, cy);
            const double a = cover + pixel.a * (1.0 - cover);
            if (a > 0.0) {
                const double keep = pixel.a * (1.0 - cover);
                pixel.r = (colour.r * cover + pixel.r * keep) / a;
                pixel.g = (colour.g * cover + pixel.g * keep) / a;
                pixel.b = (colour.b * cover + pixel.b * keep) / a;
            }
            pixel.a = a;
        }
    }
}

void Canvas::LayGlow(const Mask& mask, int left, int top, int radius, const Rgb& colour,
                     double opacity) {
    const int reach = kBlurReach(radius);
    Lay(Blurred(mask, radius), left - reach, top - reach, colour, opacity);
}

int Canvas::Write(const std::string& dir, const std::string& name, bool withAlpha) const {
    const bool jpeg = EndsWith(name, ".jpg");
    const bool alpha = withAlpha && !jpeg;
    const int channels = alpha ? 4 : 3;
    NBitmap bitmap;
    bitmap.Width = width;
    bitmap.Height = height;
    bitmap.Layout = {alpha ? NBitmap::B32 : NBitmap::B24, NBitmap::RGB, NBitmap::LEFT, NBitmap::UP};
    auto* block = new unsigned char[static_cast<size_t>(width) * height * channels];
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const size_t i = static_cast<size_t>(y) * width + x;
            // Under half a step, so a flat colour of whole bytes writes exactly.
            const double dither = (CellHash(x, y, 7u) - 0.5) * 0.98;
            unsigned char* pixel = block + i * channels;
            pixel[0] = Byte(pixels[i].r, dither);
            pixel[1] = Byte(pixels[i].g, dither);
            pixel[2] = Byte(pixels[i].b, dither);
            if (alpha) {
                pixel[3] = Byte(pixels[i].a, dither);
            }
        }
    }
    bitmap.AdoptPixels(block);
    NData out;
    if (out.Mount(kDirectoryMode, dir.c_str()) != 0 || out.OpenWrite(name.c_str()) != 0) {
        return 1;
    }
    const int result = jpeg ? NJPGFile(&bitmap, &out).Write() : NTGAFile(&bitmap, &out).Write();
    out.CloseFile();
    return result != 0 ? 1 : 0;
}
