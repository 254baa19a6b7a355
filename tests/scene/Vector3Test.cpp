#include "scene/Vector3.h"

#include <gtest/gtest.h>

#include "MathExpect.h"

TEST(Vector3, NormalizeScalesToUnitLengthAndLeavesZeroAlone) {
    Vector3 v = {3.0f, 0.0f, 4.0f};
    VectorNormalize(v);
    test::ExpectNear(v, {0.6f, 0.0f, 0.8f});

    Vector3 zero = {0.0f, 0.0f, 0.0f};
    VectorNormalize(zero);
    EXPECT_EQ(zero.x, 0.0f);
    EXPECT_EQ(zero.y, 0.0f);
    EXPECT_EQ(zero.z, 0.0f);
}

TEST(Vector3, NormalizeOfAVectorTooShortToSquareStaysFinite) {
    // 1e-30 squared underflows: the vector counts as zero instead of being scaled to infinity.
    Vector3 v = {1e-30f, 0.0f, 0.0f};
    VectorNormalize(v);
    EXPECT_EQ(v.x, 1e-30f);
}

TEST(Vector3, NormalizeToWritesTheUnitVectorAndKeepsTheSource) {
    const Vector3 v = {0.0f, -2.0f, 0.0f};
    Vector3 out;
    VectorNormalizeTo(v, out);
    test::ExpectNear(out, {0.0f, -1.0f, 0.0f});
    EXPECT_EQ(v.y, -2.0f);
}

TEST(Vector3, NormalizeToOfZeroPointsAlongX) {
    Vector3 out = {5.0f, 5.0f, 5.0f};
    VectorNormalizeTo({0.0f, 0.0f, 0.0f}, out);
    EXPECT_EQ(out.x, 1.0f);
    EXPECT_EQ(out.y, 0.0f);
    EXPECT_EQ(out.z, 0.0f);
}
