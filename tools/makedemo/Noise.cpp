#include "makedemo/Noise.h"

#include <algorithm>
#include <cmath>

Rgb Mix(const Rgb& a, const Rgb& b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb Scale(const Rgb& colour, double factor) {
    return {colour.r * factor, colour.g * factor, colour.b * factor};
}

Rgb Add(const Rgb& a, const Rgb& b) {
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}

double Clamp01(double v) {
    return std::clamp(v, 0.0, 1.0);
}

double SmoothStep(double edge0, double edge1, double x) {
    const double t = Clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3.0 - 2.0 * t);
}

Rgb Ramp(const RampStop* stops, int count, double t) {
    if (t <= stops[0].at) {
        return stops[0].colour;
    }
    for (int i = 1; i < count; ++i) {
        if (t <= stops[i].at) {
            const double span = stops[i].at - stops[i - 1].at;
            return Mix(stops[i - 1].colour, stops[i].colour, (t - stops[i - 1].at) / span);
        }
    }
    return stops[count - 1].colour;
}

namespace {

// The same small generator as the tune's dice, so the pictures need no library.
uint32_t NextState(uint32_t& state) {
    state = state * 1664525u + 1013904223u;
    return state >> 8;
}

// The quintic fade of improved gradient noise: no creases at the cell borders.
double Fade(double t) {
    return t * t * t * (t * (t * 6.0 - 15.0) + 10.0);
}

int Wrap(int i, int period) {
    const int m = i % period;
    return m < 0 ? m + period : m;
}

}  // namespace

TileNoise::TileNoise(uint32_t seed) {
    for (int i = 0; i < 256; ++i) {
        permutation[i] = static_cast<uint8_t>(i);
    }
    uint32_t state = seed;
    for (int i = 255; i > 0; --i) {
        std::swap(permutation[i], permutation[NextState(state) % (i + 1)]);
    }
}

double TileNoise::Corner(int ix, int iy, int period, double dx, double dy) const {
    const int hash = permutation[(permutation[Wrap(ix, period)] + Wrap(iy, period)) & 255];
    // Sixteen gradient directions round the circle.
    const double angle = hash * (2.0 * M_PI / 16.0);
    return std::cos(angle) * dx + std::sin(angle) * dy;
}

double TileNoise::At(double x, double y, int period) const {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int ix = static_cast<int>(fx);
    const int iy = static_cast<int>(fy);
    const double dx = x - fx;
    const double dy = y - fy;
    const double u = Fade(dx);
    const double v = Fade(dy);
    const double top =
        Corner(ix, iy, period, dx, dy) +
        (Corner(ix + 1, iy, period, dx - 1.0, dy) - Corner(ix, iy, period, dx, dy)) * u;
    const double bottom = Corner(ix, iy + 1, period, dx, dy - 1.0) +
                          (Corner(ix + 1, iy + 1, period, dx - 1.0, dy - 1.0) -
                           Corner(ix, iy + 1, period, dx, dy - 1.0)) *
                              u;
    // Gradient noise in two dimensions stays within about +-0.7.
    return (top + (bottom - top) * v) * 1.4;
}

double TileNoise::Fbm(double u, double v, int cells, int octaves) const {
    double sum = 0.0;
    double weight = 1.0;
    double total = 0.0;
    int period = cells;
    for (int octave = 0; octave < octaves && period <= 256; ++octave) {
        sum += At(u * period, v * period, period) * weight;
        total += weight;
        weight *= 0.5;
        period *= 2;
    }
    return sum / total;
}

double TileNoise::Ridged(double u, double v, int cells, int octaves) const {
    double sum = 0.0;
    double weight = 1.0;
    double total = 0.0;
    int period = cells;
    for (int octave = 0; octave < octaves && period <= 256; ++octave) {
        const double ridge = 1.0 - std::abs(At(u * period, v * period, period));
        sum += ridge * ridge * weight;
        total += weight;
        weight *= 0.5;
        period *= 2;
    }
    return sum / total;
}

double CellHash(int ix, int iy, uint32_t seed) {
    uint32_t h = seed ^ (static_cast<uint32_t>(ix) * 0x27d4eb2du) ^
                 (static_cast<uint32_t>(iy) * 0x165667b1u);
    h = (h ^ (h >> 15)) * 0x85ebca6bu;
    h = (h ^ (h >> 13)) * 0xc2b2ae35u;
    h ^= h >> 16;
    return (h & 0xFFFFFF) / static_cast<double>(0xFFFFFF);
}
