// The building blocks of the bundled show's pictures: noise that tiles, masks laid
// and blurred on a canvas, and lines of type set by FreeType.
#include <gtest/gtest.h>

#include <numeric>

#include "makedemo/Canvas.h"
#include "makedemo/Noise.h"
#include "makedemo/Type.h"

namespace {

double Total(const Mask& mask) {
    return std::accumulate(mask.alpha.begin(), mask.alpha.end(), 0.0);
}

}  // namespace

TEST(DemoPictureTools, NoiseTilesSpansItsRangeAndFollowsItsSeed) {
    const TileNoise noise(7u);
    const TileNoise other(8u);
    double low = 1.0;
    double high = -1.0;
    int differ = 0;
    for (int i = 0; i < 40; ++i) {
        for (int j = 0; j < 40; ++j) {
            const double u = i / 40.0;
            const double v = j / 40.0;
            const double n = noise.Fbm(u, v, 3, 5);
            low = std::min(low, n);
            high = std::max(high, n);
            // One whole unit away in either direction is the same place.
            EXPECT_NEAR(n, noise.Fbm(u + 1.0, v - 2.0, 3, 5), 1e-9);
            const double ridge = noise.Ridged(u, v, 3, 5);
            EXPECT_GE(ridge, 0.0);
            EXPECT_LE(ridge, 1.0);
            differ += std::abs(n - other.Fbm(u, v, 3, 5)) > 0.05 ? 1 : 0;
        }
    }
    EXPECT_GE(low, -1.0);
    EXPECT_LE(high, 1.0);
    EXPECT_LT(low, -0.25);
    EXPECT_GT(high, 0.25);
    EXPECT_GT(differ, 800);
}

TEST(DemoPictureTools, MasksBlurWithoutLosingCoverageAndLayOverPaint) {
    Mask square(10, 10);
    for (int y = 3; y < 7; ++y) {
        for (int x = 3; x < 7; ++x) {
            square.Ref(x, y) = 1.0f;
        }
    }
    const Mask soft = Blurred(square, 2);
    // Grown on every side by the blur's reach, so none of it is cut off.
    EXPECT_EQ(soft.width, 10 + 2 * kBlurReach(2));
    EXPECT_EQ(soft.height, 10 + 2 * kBlurReach(2));
    EXPECT_NEAR(Total(soft), Total(square), 0.01 * Total(square));
    EXPECT_LT(soft.At(soft.width / 2, soft.height / 2), 1.0f);
    EXPECT_GT(soft.At(soft.width / 2, soft.height / 2), 0.2f);
    EXPECT_EQ(soft.At(0, 0), 0.0f);

    // Half-opaque red over opaque blue mixes; over nothing it stays red, half clear.
    Canvas painted(12, 12);
    painted.Paint([](double, double) { return Rgba{0.0, 0.0, 1.0, 1.0}; });
    painted.Lay(square, 1, 1, {1.0, 0.0, 0.0}, 0.5);
    EXPECT_NEAR(painted.At(5, 5).r, 0.5, 1e-9);
    EXPECT_NEAR(painted.At(5, 5).b, 0.5, 1e-9);
    EXPECT_NEAR(painted.At(5, 5).a, 1.0, 1e-9);
    EXPECT_EQ(painted.At(1, 1).b, 1.0);
    EXPECT_EQ(painted.At(1, 1).r, 0.0);
    Canvas clear(12, 12);
    clear.Lay(square, 1, 1, {1.0, 0.0, 0.0}, 0.5);
    EXPECT_NEAR(clear.At(5, 5).r, 1.0, 1e-9);
    EXPECT_NEAR(clear.At(5, 5).a, 0.5, 1e-9);
    // A mask reaching past the canvas is clipped, not written out of bounds.
    clear.Lay(soft, 6, 6, {0.0, 1.0, 0.0});
    EXPECT_GT(clear.At(11, 11).g, 0.0);
}

TEST(DemoPictureTools, TypeIsSetByFreeTypeWithSoftEdgesAndItsSpacing) {
    Typeface face;
    ASSERT_EQ(face.Open(kSansFont), 0) << kSansFont;
    const Mask plain = face.Line("NIMBUS", 40, 1.0, 0);
    const Mask tracked = face.Line("NIMBUS", 40, 1.0, 10);
    const Mask squeezed = face.Line("NIMBUS", 40, 0.75, 0);
    ASSERT_GT(plain.width, 0);
    // Five gaps between six letters, ten pixels each.
    EXPECT_NEAR(tracked.width - plain.width, 50, 2);
    EXPECT_NEAR(squeezed.width, plain.width * 0.75, 4);
    EXPECT_EQ(squeezed.height, plain.height);
    EXPECT_GT(plain.height, 40);
    int solid = 0;
    int edge = 0;
    for (float cover : plain.alpha) {
        solid += cover == 1.0f ? 1 : 0;
        edge += cover > 0.0f && cover < 1.0f ? 1 : 0;
    }
    EXPECT_GT(solid, 200);
    EXPECT_GT(edge, 100) << "anti-aliased edges";
    // A code point beyond ASCII, written as UTF-8, has ink too.
    EXPECT_GT(Total(face.Line("\xC2\xB7", 40, 1.0, 0)), 10.0);

    Typeface missing;
    EXPECT_NE(missing.Open("/nonexistent/font.ttf"), 0);
    EXPECT_EQ(missing.Line("NIMBUS", 40, 1.0, 0).width, 0);
}
