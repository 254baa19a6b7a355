// The bundled show's pictures. One idea runs through them all: light in clouds at
// dusk, in one palette from the night's indigo through violet and rose to amber and a
// warm cream, with a little teal for cold light. Pictures that a mesh repeats or wraps
// round a sphere tile without a seam; pictures shown over the whole screen are drawn
// for its 4:3 shape; type comes from FreeType.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "makedemo/Canvas.h"
#include "makedemo/DemoMedia.h"
#include "makedemo/Noise.h"
#include "makedemo/Type.h"

namespace {

// ---------------------------------------------------------------------------
// [SECTION] Palette and helpers
// ---------------------------------------------------------------------------

constexpr Rgb kNight{0.03, 0.03, 0.10};
constexpr Rgb kIndigo{0.10, 0.11, 0.34};
constexpr Rgb kViolet{0.34, 0.20, 0.55};
constexpr Rgb kRose{0.86, 0.36, 0.55};
constexpr Rgb kAmber{1.0, 0.66, 0.32};
constexpr Rgb kCream{1.0, 0.94, 0.84};
constexpr Rgb kTeal{0.28, 0.74, 0.82};

// Density 0..1 of cloud to its colour, from the dark gaps to the sunlit crests.
constexpr RampStop kCloudRamp[] = {{0.0, kNight}, {0.3, kIndigo}, {0.5, kViolet},
                                   {0.68, kRose}, {0.85, kAmber}, {1.0, kCream}};

const TileNoise& Noise() {
    static const TileNoise noise(20261208u);
    return noise;
}

Rgba Opaque(const Rgb& colour) {
    return {colour.r, colour.g, colour.b, 1.0};
}

// Pictures shown over the whole screen are square textures stretched to 4:3: in
// these coordinates one unit is the same length both ways, y runs -0.5 (top) to 0.5
// and x -2/3 to 2/3, the centre of the screen at 0.
struct ScreenPoint {
    double x, y;
};
ScreenPoint OnScreen(double u, double v) {
    return {(u - 0.5) * 4.0 / 3.0, v - 0.5};
}

// Glyphs for pictures stretched to 4:3 are drawn three quarters as wide.
constexpr double kScreenSqueeze = 0.75;

// A star field over the unit square, tiling: one star in about `rarity` cells of a
// `cells`-wide grid, each of its own brightness.
double Stars(double u, double v, int cells, double rarity, uint32_t seed) {
    const int ix = static_cast<int>(std::floor(u * cells)) % cells;
    const int iy = static_cast<int>(std::floor(v * cells)) % cells;
    const double pick = CellHash(ix, iy, seed);
    if (pick < 1.0 - 1.0 / rarity) {
        return 0.0;
    }
    // A soft point at a random place inside its cell.
    const double cx = CellHash(ix, iy, seed + 1) * 0.6 + 0.2;
    const double cy = CellHash(ix, iy, seed + 2) * 0.6 + 0.2;
    const double dx = u * cells - std::floor(u * cells) - cx;
    const double dy = v * cells - std::floor(v * cells) - cy;
    const double brightness = 0.3 + 0.7 * CellHash(ix, iy, seed + 3);
    return brightness * std::exp(-(dx * dx + dy * dy) * 60.0);
}

// Domain-warped cloud density 0..1 over the unit square, tiling.
double CloudDensity(double u, double v, int cells, double warp) {
    const TileNoise& noise = Noise();
    const double wu = noise.Fbm(u, v, cells, 4);
    const double wv = noise.Fbm(u + 0.37, v + 0.71, cells, 4);
    const double n = noise.Fbm(u + warp * wu, v + warp * wv, cells * 2, 6);
    return Clamp01(n * 0.85 + 0.5);
}

// Coverage of a ring of `radius` and `width` pixels about (cx, cy) at the pixel
// (x, y): an analytic edge one pixel soft.
double RingCover(double x, double y, double cx, double cy, double radius, double width) {
    const double d = std::abs(std::hypot(x - cx, y - cy) - radius) - width * 0.5;
    return Clamp01(0.5 - d);
}

// ---------------------------------------------------------------------------
// [SECTION] Backgrounds shown over the whole screen
// ---------------------------------------------------------------------------

constexpr double kHorizon = 0.2;

// Dusk over a sea of clouds: the sun low on the horizon in a ring of light, clouds
// lit from below, the first stars above.
Rgba Sky(double u, double v) {
    const TileNoise& noise = Noise();
    const ScreenPoint p = OnScreen(u, v);
    const double height = kHorizon - p.y;
    const double sun = std::hypot(p.x, (p.y - kHorizon + 0.03) * 1.1);
    Rgb colour;
    if (height > 0) {
        constexpr RampStop kSkyRamp[] = {{0.0, kCream},   {0.05, kAmber},  {0.18, kRose},
                                         {0.38, kViolet}, {0.62, kIndigo}, {0.8, kNight}};
        colour = Ramp(kSkyRamp, height);
        // Long, thin clouds, lit rose and amber the nearer they are to the sun.
        const double n = noise.Fbm(u, v * 4.0 + 0.2, 3, 6) * 0.5 + 0.5;
        const double cloud = SmoothStep(0.5, 0.8, n) * SmoothStep(0.55, 0.05, height);
        const Rgb lit =
            Mix(kViolet, Mix(kRose, kAmber, Clamp01(1.0 - sun * 2.0)), Clamp01(1.2 - height * 3.0));
        colour = Mix(colour, lit, cloud * 0.85);
        colour =
            Add(colour, Scale(kCream, Stars(u, v, 96, 9.0, 11u) * SmoothStep(0.35, 0.7, height)));
    } else {
        // The sea of clouds below, its crests catching the sun's path.
        const double depth = -height;
        const double n = noise.Fbm(u, v * 6.0, 4, 6) * 0.5 + 0.5;
        const double crest = SmoothStep(0.4, 0.75, n);
        const double path = std::exp(-p.x * p.x / (0.01 + depth * 0.4)) * std::exp(-depth * 5.0);
        colour =
            Mix(Mix(kIndigo, kViolet, 0.4), Mix(kRose, kAmber, path), crest * (0.5 + 0.5 * path));
        colour = Mix(colour, kNight, SmoothStep(0.0, 0.3, depth) * 0.7);
        colour = Add(colour, Scale(kAmber, path * crest * 0.5));
    }
    // The sun, its glow, and a faint halo ring round it: a nimbus.
    colour = Add(colour, Scale(kCream, std::exp(-sun * sun / 0.0015)));
    colour = Add(colour, Scale(kAmber, std::exp(-sun / 0.12) * 0.45));
    const double halo =
        std::exp(-std::pow((sun - 0.26) / 0.02, 2.0)) * SmoothStep(-0.02, 0.1, height);
    colour = Add(colour, Scale(Mix(kRose, kCream, 0.4), halo * 0.35));
    return Opaque(colour);
}

// A ring of light round the centre of the screen, its corona streaming outwards,
// over dim violet cloud: the wheel of sprites rides on the ring.
constexpr double kHaloRadius = 0.34;

Rgba Halo(double u, double v) {
    const TileNoise& noise = Noise();
    const ScreenPoint p = OnScreen(u, v);
    const double d = std::hypot(p.x, p.y);
    const double turn = std::atan2(p.y, p.x) / (2.0 * M_PI) + 0.5;
    constexpr RampStop kDepthRamp[] = {{0.0, {0.16, 0.10, 0.30}},
                                       {0.3, {0.10, 0.07, 0.24}},
                                       {0.6, {0.06, 0.05, 0.17}},
                                       {0.85, kNight}};
    Rgb colour = Ramp(kDepthRamp, d);
    const double cloud = CloudDensity(u, v, 3, 0.25);
    colour = Mix(colour, Ramp(kCloudRamp, cloud * 0.7), 0.35 * SmoothStep(0.2, 0.8, cloud));
    const double off = d - kHaloRadius;
    const double streak = std::pow(noise.At(turn * 48.0, d * 3.0, 48) * 0.5 + 0.5, 3.0);
    const double corona = off > 0 ? streak * std::exp(-off / 0.12) : std::exp(off / 0.03) * 0.3;
    colour = Add(colour, Scale(kRose, corona * 0.6));
    colour = Add(colour, Scale(kViolet, std::exp(-off * off / 0.02) * 0.35));
    colour = Add(colour, Scale(kRose, std::exp(-off * off / 0.0012) * 0.55));
    colour = Add(colour, Scale(kCream, std::exp(-off * off / 0.00008) * 0.7));
    colour = Add(colour, Scale(kCream, Stars(u, v, 128, 14.0, 23u) * SmoothStep(0.4, 0.6, d)));
    return Opaque(colour);
}

// The deep blue of the lit and fogged shader's fog fills the middle, so the test
// scene's far side melts into it; violet haze and stars towards the edges.
constexpr Rgb kFieldFog{0.12, 0.13, 0.38};

Rgba FieldBackdrop(double u, double v) {
    const ScreenPoint p = OnScreen(u, v);
    const double d = std::hypot(p.x, p.y * 1.2);
    const double cloud = CloudDensity(u, v, 2, 0.3);
    Rgb colour = Mix(kFieldFog, kNight, SmoothStep(0.25, 0.8, d));
    colour = Mix(colour, kViolet, SmoothStep(0.45, 0.9, cloud) * 0.5 * SmoothStep(0.1, 0.5, d));
    colour =
        Add(colour, Scale(kRose, SmoothStep(0.7, 1.0, cloud) * 0.25 * SmoothStep(0.2, 0.6, d)));
    colour = Add(colour, Scale(kCream, Stars(u, v, 64, 4.0, 31u) * SmoothStep(0.3, 0.6, d)));
    return Opaque(colour);
}

// Warm light for the changes between parts: the show tints it from black to white.
Rgba Veil(double u, double v) {
    const ScreenPoint p = OnScreen(u, v);
    const double d = std::hypot(p.x, p.y);
    constexpr RampStop kVeilRamp[] = {
        {0.0, {1.0, 0.98, 0.92}}, {0.4, kCream}, {0.9, {1.0, 0.78, 0.62}}};
    return Opaque(Ramp(kVeilRamp, d));
}

// ---------------------------------------------------------------------------
// [SECTION] Surfaces that meshes repeat and spheres wrap
// ---------------------------------------------------------------------------

// Cloud for the glass panels and the sprites' windows.
Rgba Clouds(double u, double v) {
    return Opaque(Ramp(kCloudRamp, CloudDensity(u, v, 2, 0.22)));
}

// The raytraced rooms' walls: filaments of violet and rose gas, teal pockets and
// stars on the night.
Rgba Nebula(double u, double v) {
    const TileNoise& noise = Noise();
    const double gas = noise.Fbm(u, v, 2, 6) * 0.5 + 0.5;
    const double wu = noise.Fbm(u + 0.5, v, 2, 4);
    const double ridge = noise.Ridged(u + 0.08 * wu, v - 0.08 * wu, 3, 6);
    Rgb colour = Mix(kNight, kIndigo, SmoothStep(0.3, 0.8, gas));
    colour = Add(colour, Scale(kViolet, SmoothStep(0.45, 0.85, ridge) * gas * 0.9));
    colour = Add(colour, Scale(kRose, SmoothStep(0.7, 0.95, ridge) * gas * 0.7));
    const double cold = SmoothStep(0.6, 0.85, noise.Fbm(u + 0.25, v + 0.6, 3, 4) * 0.5 + 0.5);
    colour = Add(colour, Scale(kTeal, cold * 0.3));
    colour = Add(colour, Scale(kCream, Stars(u, v, 64, 3.5, 41u)));
    return Opaque(colour);
}

// A gas giant in the warm colours: bands of latitude stirred by turbulence and an
// oval storm.
Rgba Planet(double u, double v) {
    const TileNoise& noise = Noise();
    const double turbulence = noise.Fbm(u, v, 4, 5);
    const double latitude = v + 0.035 * turbulence;
    const double band = 0.5 + 0.5 * std::sin(2.0 * M_PI * 7.0 * latitude +
                                             1.6 * std::sin(2.0 * M_PI * 2.0 * latitude));
    constexpr RampStop kBandRamp[] = {
        {0.0, {0.55, 0.22, 0.36}}, {0.35, kRose}, {0.6, kAmber}, {0.85, kCream}, {1.0, kAmber}};
    Rgb colour = Ramp(kBandRamp, band);
    colour = Scale(colour, 0.85 + 0.15 * noise.Fbm(u, v, 16, 3));
    const double du = std::remainder(u - 0.3, 1.0);
    const double dv = std::remainder(v - 0.62, 1.0);
    const double storm = std::hypot(du * 2.2, dv * 5.0);
    colour = Mix(colour, Mix(kViolet, kRose, Clamp01(storm * 2.5)), SmoothStep(0.4, 0.15, storm));
    return Opaque(colour);
}

// An icy moon in the cold colours, crazed with violet cracks.
Rgba Moon(double u, double v) {
    const TileNoise& noise = Noise();
    const double ice = noise.Fbm(u, v, 3, 6) * 0.5 + 0.5;
    constexpr RampStop kIceRamp[] = {
        {0.0, kIndigo}, {0.45, {0.22, 0.45, 0.62}}, {0.7, kTeal}, {1.0, kCream}};
    Rgb colour = Ramp(kIceRamp, ice);
    const double crack = noise.Ridged(u, v, 6, 4);
    return Opaque(Mix(colour, kViolet, SmoothStep(0.8, 0.97, crack) * 0.7));
}

// The finale's floor: glowing lines on dusky cloud, eight cells across.
Rgba Grid(double u, double v) {
    constexpr int kCells = 8;
    auto lineDistance = [](double t) {
        const double f = t * kCells - std::floor(t * kCells);
        return std::min(f, 1.0 - f) / kCells;
    };
    const double d = std::min(lineDistance(u), lineDistance(v)) * 256.0;
    const double glow = std::exp(-d * d / 1.5) + 0.3 * std::exp(-d / 4.0);
    const double cloud = CloudDensity(u, v, 2, 0.2);
    Rgb colour = Mix(kNight, kViolet, cloud * 0.6);
    colour = Add(colour, Scale(Mix(kRose, kAmber, Clamp01(glow - 0.4)), glow));
    return Opaque(colour);
}

// The test scene's skin for its isosurface and sheets: violet with rivers of rose
// and amber light.
Rgba Inferno(double u, double v) {
    const TileNoise& noise = Noise();
    const double wu = noise.Fbm(u, v, 2, 4);
    const double ridge = noise.Ridged(u + 0.1 * wu, v + 0.1 * wu, 3, 5);
    Rgb colour = Mix(kIndigo, {0.22, 0.16, 0.5}, noise.Fbm(u, v, 4, 4) * 0.5 + 0.5);
    colour = Mix(colour, kRose, SmoothStep(0.72, 0.9, ridge));
    colour = Mix(colour, kAmber, SmoothStep(0.88, 0.98, ridge));
    return Opaque(colour);
}

// ---------------------------------------------------------------------------
// [SECTION] Masks for particles and sprites
// ---------------------------------------------------------------------------

// A soft round light with a faint four-pointed glint, white: particles tint it.
Rgba GlowMask(double u, double v) {
    const double x = (u - 0.5) * 2.0;
    const double y = (v - 0.5) * 2.0;
    const double d = std::hypot(x, y);
    const double core = std::exp(-d * d * 14.0);
    const double halo = std::exp(-d * 4.5) * 0.35;
    const double glint = (std::exp(-std::abs(x) * 30.0) * std::exp(-std::abs(y) * 3.5) +
                          std::exp(-std::abs(y) * 30.0) * std::exp(-std::abs(x) * 3.5)) *
                         0.3;
    return {1.0, 1.0, 1.0, Clamp01(core + halo + glint) * SmoothStep(1.0, 0.85, d)};
}

// A rounded glass tile, darker at its bevel and lighter towards its top left corner:
// the room's mosaic and the wheel's lenses look through it.
Rgba TileMask(double u, double v) {
    const double x = (u - 0.5) * 2.0;
    const double y = (v - 0.5) * 2.0;
    constexpr double kHalf = 0.86;
    constexpr double kCorner = 0.35;
    const double qx = std::abs(x) - (kHalf - kCorner);
    const double qy = std::abs(y) - (kHalf - kCorner);
    const double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
    const double distance = outside + std::min(std::max(qx, qy), 0.0) - kCorner;
    const double alpha = SmoothStep(0.06, -0.06, distance);
    const double bevel = SmoothStep(-0.25, 0.0, distance);
    const double light = Clamp01(0.86 - 0.3 * bevel + 0.12 * (-x - y) * 0.5);
    return {light, light, light, alpha};
}

// A round lens: a clear body, a bright rim and a glint to its top left. Its colour
// is the amount of light on the glass (the Lens shader lays the picture under the
// dark parts), its alpha the disc.
Rgba LensMask(double u, double v) {
    const double x = (u - 0.5) * 2.0;
    const double y = (v - 0.5) * 2.0;
    const double d = std::hypot(x, y);
    const double rim = std::exp(-std::pow((d - 0.8) / 0.06, 2.0));
    const double glint = std::exp(-(std::pow(x + 0.35, 2.0) + std::pow(y + 0.4, 2.0)) / 0.02);
    const double light = Clamp01(rim * 0.9 + glint * 0.8);
    return {light, light, light, SmoothStep(0.9, 0.82, d)};
}

// ---------------------------------------------------------------------------
// [SECTION] Type and the logo
// ---------------------------------------------------------------------------

struct Fonts {
    Typeface bold;
    Typeface regular;
};

// Lays `text` centred on the row `centreY`, with a glow of `glowColour` under it.
void LayText(Canvas& canvas, const Mask& text, int centreY, const Rgb& colour,
             const Rgb& glowColour, int glowRadius, double glowOpacity) {
    const int left = (canvas.Width() - text.width) / 2;
    const int top = centreY - text.height / 2;
    canvas.LayGlow(text, left, top, glowRadius, glowColour, glowOpacity);
    canvas.Lay(text, left, top, colour);
}

// A thin line of light, `length` pixels long, its ends fading out.
Mask Rule(int length) {
    Mask mask(length, 3);
    for (int x = 0; x < length; ++x) {
        const double t = (x + 0.5) / length;
        const double fade = SmoothStep(0.0, 0.25, t) * SmoothStep(1.0, 0.75, t);
        mask.Ref(x, 0) = static_cast<float>(fade * 0.35);
        mask.Ref(x, 1) = static_cast<float>(fade);
        mask.Ref(x, 2) = static_cast<float>(fade * 0.35);
    }
    return mask;
}

// The title card, shown by a particle over the dawn: the name, a rule and a line.
Canvas Title(const Fonts& fonts) {
    Canvas canvas(512, 512);
    const Mask name = fonts.bold.Line("NIMBUS", 92, 1.0, 9);
    LayText(canvas, name, 230, kCream, kRose, 16, 0.9);
    canvas.LayGlow(name, (512 - name.width) / 2, 230 - name.height / 2, 30, kViolet, 0.6);
    LayText(canvas, Rule(300), 300, kAmber, kRose, 4, 0.8);
    LayText(canvas, fonts.regular.Line("light  \xC2\xB7  cloud  \xC2\xB7  real time", 26, 1.0, 3),
            335, kCream, kRose, 5, 0.8);
    return canvas;
}

// The closing credits: who made what, and the typeface's name.
Canvas Credits(const Fonts& fonts) {
    Canvas canvas(512, 512);
    LayText(canvas, fonts.regular.Line("PICTURES  \xC2\xB7  MUSIC  \xC2\xB7  ENGINE", 20, 1.0, 3),
            150, kAmber, kRose, 4, 0.7);
    LayText(canvas, fonts.bold.Line("made by the Nimbus project", 28, 1.0, 1), 195, kCream, kRose,
            7, 0.8);
    LayText(canvas, Rule(220), 245, kRose, kViolet, 4, 0.6);
    LayText(canvas, fonts.regular.Line("set in DejaVu Sans", 22, 1.0, 2), 285, kCream, kViolet, 5,
            0.8);
    LayText(canvas, fonts.regular.Line("thanks for watching", 30, 1.0, 2), 350, kCream, kRose, 7,
            0.9);
    return canvas;
}

// The logo, `size` pixels square: a ring of light, warm above and rose below, round
// a bold N, all with analytic or FreeType edges and a soft glow.
Canvas Logo(const Fonts& fonts, int size) {
    const double centre = size / 2.0;
    const double scale = size / 512.0;
    Canvas canvas(size, size);
    Mask ring(size, size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            ring.Ref(x, y) = static_cast<float>(
                RingCover(x + 0.5, y + 0.5, centre, centre, 178.0 * scale, 18.0 * scale));
        }
    }
    const Mask letter = fonts.bold.Line("N", 250 * scale, 1.0, 0);
    Mask both = ring;
    // The letter's ink, not its line box, goes in the middle of the ring.
    int inkTop = letter.height;
    int inkBottom = 0;
    for (int y = 0; y < letter.height; ++y) {
        for (int x = 0; x < letter.width; ++x) {
            if (letter.At(x, y) > 0.0f) {
                inkTop = std::min(inkTop, y);
                inkBottom = std::max(inkBottom, y + 1);
            }
        }
    }
    const int letterLeft = (size - letter.width) / 2;
    const int letterTop = static_cast<int>(centre) - (inkTop + inkBottom) / 2;
    for (int y = 0; y < letter.height; ++y) {
        for (int x = 0; x < letter.width; ++x) {
            float& cover = both.Ref(letterLeft + x, letterTop + y);
            cover = std::max(cover, letter.At(x, y));
        }
    }
    canvas.LayGlow(both, 0, 0, static_cast<int>(36 * scale), kRose, 0.55);
    canvas.LayGlow(both, 0, 0, static_cast<int>(12 * scale), kAmber, 0.7);
    // The ring's colour runs from amber at the top to rose at the bottom.
    for (int y = 0; y < size; ++y) {
        Mask row(size, 1);
        for (int x = 0; x < size; ++x) {
            row.Ref(x, 0) = ring.At(x, y);
        }
        canvas.Lay(row, 0, y, Mix(kAmber, kRose, SmoothStep(0.2, 0.8, (y + 0.5) / size)));
    }
    canvas.Lay(letter, letterLeft, letterTop, kCream);
    return canvas;
}

// Shown while the show prepares: the name on the night over a rule.
Canvas Loading(const Fonts& fonts) {
    Canvas canvas(256, 256);
    canvas.Paint([](double u, double v) {
        const ScreenPoint p = OnScreen(u, v);
        const double glow = std::exp(-(p.x * p.x + p.y * p.y) / 0.08);
        return Opaque(Mix(kNight, Mix(kIndigo, kViolet, 0.3), glow));
    });
    LayText(canvas, fonts.bold.Line("NIMBUS", 26, kScreenSqueeze, 4), 122, kCream, kRose, 4, 0.8);
    LayText(canvas, Rule(80), 141, kAmber, kRose, 2, 0.7);
    return canvas;
}

Canvas Painted(int size, Rgba (*pattern)(double, double)) {
    Canvas canvas(size, size);
    canvas.Paint(pattern);
    return canvas;
}

int Report(int failed, const std::string& name) {
    if (failed != 0) {
        fprintf(stderr, "nimbus-makedemo: can't write %s\n", name.c_str());
    }
    return failed;
}

}  // namespace

int WriteFlatImage(const std::string& dir, const std::string& name, int width, int height,
                   unsigned char red, unsigned char green, unsigned char blue) {
    const Rgba colour = {red / 255.0, green / 255.0, blue / 255.0, 1.0};
    Canvas canvas(width, height);
    canvas.Paint([colour](double, double) { return colour; });
    return canvas.Write(dir, name, false);
}

int WriteDemoImages(const std::string& dir) {
    struct Picture {
        const char* name;
        int size;
        Rgba (*pattern)(double, double);
        bool alpha;
    };
    static const Picture kPictures[] = {
        {"sky.jpg", 512, Sky, false},
        {"halo.jpg", 256, Halo, false},
        {"field.jpg", 256, FieldBackdrop, false},
        {"veil.jpg", 128, Veil, false},
        {"clouds.jpg", 256, Clouds, false},
        {"nebula.jpg", 256, Nebula, false},
        {"planet.jpg", 256, Planet, false},
        {"moon.jpg", 256, Moon, false},
        {"grid.jpg", 256, Grid, false},
        {"inferno.jpg", 256, Inferno, false},
        {"glow.tga", 128, GlowMask, true},
        {"tile.tga", 64, TileMask, true},
        {"lens.tga", 64, LensMask, true},
    };
    int failures = 0;
    for (const Picture& picture : kPictures) {
        failures +=
            Report(Painted(picture.size, picture.pattern).Write(dir, picture.name, picture.alpha),
                   picture.name);
    }
    Fonts fonts;
    if (fonts.bold.Open(kSansBoldFont) != 0 || fonts.regular.Open(kSansFont) != 0) {
        fprintf(stderr, "nimbus-makedemo: can't open the fonts %s and %s\n", kSansBoldFont,
                kSansFont);
        // None of the four pictures with type can be made.
        return failures + 4;
    }
    failures += Report(Title(fonts).Write(dir, "title.tga", true), "title.tga");
    failures += Report(Credits(fonts).Write(dir, "credits.tga", true), "credits.tga");
    failures += Report(Logo(fonts, 256).Write(dir, "logo.tga", true), "logo.tga");
    failures += Report(Loading(fonts).Write(dir, "loading.tga", false), "loading.tga");
    return failures;
}
