// Procedural building blocks for the show's pictures: gradient noise that tiles,
// its fractal sums, colour ramps and a few shaping curves. Everything is a pure
// function of its arguments and a fixed seed, so every build draws the same pictures.
#pragma once

#include <cstdint>

struct Rgb {
    double r, g, b;
};

Rgb Mix(const Rgb& a, const Rgb& b, double t);
Rgb Scale(const Rgb& colour, double factor);
Rgb Add(const Rgb& a, const Rgb& b);
double Clamp01(double v);
// Hermite step from 0 at `edge0` to 1 at `edge1`.
double SmoothStep(double edge0, double edge1, double x);

// A colour ramp: stops at rising positions 0..1, linear in between.
struct RampStop {
    double at;
    Rgb colour;
};
Rgb Ramp(const RampStop* stops, int count, double t);
template <int N>
Rgb Ramp(const RampStop (&stops)[N], double t) {
    return Ramp(stops, N, t);
}

// Gradient noise on an integer lattice that wraps every `period` cells (at most 256),
// so a picture made from it tiles without a seam.
class TileNoise {
  public:
    explicit TileNoise(uint32_t seed);

    // About -1..1 at (x, y) in lattice cells.
    double At(double x, double y, int period) const;
    // Fractal sum over the unit square, which it tiles: the first layer has `cells`
    // cells across, each further layer twice as many at half the weight. About -1..1.
    double Fbm(double u, double v, int cells, int octaves) const;
    // The same with each layer folded (1 - |n|): sharp bright ridges, 0..1.
    double Ridged(double u, double v, int cells, int octaves) const;

  private:
    double Corner(int ix, int iy, int period, double dx, double dy) const;

    uint8_t permutation[256];
};

// A value 0..1 that is the same for the whole integer cell (ix, iy): star fields.
double CellHash(int ix, int iy, uint32_t seed);
