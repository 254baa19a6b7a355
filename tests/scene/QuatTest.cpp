#include "scene/Quat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "MathExpect.h"

namespace {

constexpr float kHalfPi = std::numbers::pi_v<float> / 2.0f;

Matrix44 MatrixOf(float angle, const Vector3& axis) {
    Quat q;
    QuatFromAxisAngle(q, angle, axis);
    Matrix44 m;
    MatrixFromQuat(m, q);
    return m;
}

}  // namespace

TEST(Quat, FromAxisAngleNegatesTheHalfAngleAndKeepsTheAxisUnnormalised) {
    Quat q;
    QuatFromAxisAngle(q, 1.0f, {0.0f, 0.0f, 2.0f});
    EXPECT_FLOAT_EQ(q.x, 0.0f);
    EXPECT_FLOAT_EQ(q.z, 2.0f * std::sin(-0.5f));
    EXPECT_FLOAT_EQ(q.w, std::cos(-0.5f));
}

TEST(Quat, MatrixFromAxisAngleAgreesWithTheAxisRotations) {
    Matrix44 expected;
    MatrixRotationZ(expected, kHalfPi);
    test::ExpectNear(MatrixOf(kHalfPi, {0.0f, 0.0f, 1.0f}), expected);
    MatrixRotationX(expected, 0.7f);
    test::ExpectNear(MatrixOf(0.7f, {1.0f, 0.0f, 0.0f}), expected);
    // RotationY turns the other way, so the quaternion about +y matches it negated.
    MatrixRotationY(expected, -0.7f);
    test::ExpectNear(MatrixOf(0.7f, {0.0f, 1.0f, 0.0f}), expected);
}

TEST(Quat, TurnsRightHandedAboutAnOddAxis) {
    // A third of a turn about (1, 1, 1) cycles the axes x -> y -> z.
    const float third = 2.0f * std::numbers::pi_v<float> / 3.0f;
    const float k = 1.0f / std::sqrt(3.0f);
    const Matrix44 m = MatrixOf(third, {k, k, k});
    test::ExpectNear(MatrixTransformPoint(m, {1.0f, 0.0f, 0.0f}), {0.0f, 1.0f, 0.0f}, 1e-6f);
    test::ExpectNear(MatrixTransformPoint(m, {0.0f, 1.0f, 0.0f}), {0.0f, 0.0f, 1.0f}, 1e-6f);
}

TEST(Quat, MultiplyPutsTheSecondArgumentOnTheLeft) {
    Quat a;
    Quat b;
    QuatFromAxisAngle(a, kHalfPi, {1.0f, 0.0f, 0.0f});
    QuatFromAxisAngle(b, kHalfPi, {0.0f, 0.0f, 1.0f});
    Quat product;
    QuatMultiply(a, b, product);

    // b * a by hand: with a = (-s, 0, 0, s) and b = (0, 0, -s, s), s = sqrt(1/2),
    // b * a = (-1/2, 1/2, -1/2, 1/2); a * b would have y = -1/2.
    EXPECT_NEAR(product.x, -0.5f, 1e-6f);
    EXPECT_NEAR(product.y, 0.5f, 1e-6f);
    EXPECT_NEAR(product.z, -0.5f, 1e-6f);
    EXPECT_NEAR(product.w, 0.5f, 1e-6f);
}

TEST(Quat, MatrixOfAProductIsTheProductOfTheMatrices) {
    Quat qx;
    Quat qy;
    Quat qz;
    QuatFromAxisAngle(qx, 0.4f, {1.0f, 0.0f, 0.0f});
    QuatFromAxisAngle(qy, -1.3f, {0.0f, 1.0f, 0.0f});
    QuatFromAxisAngle(qz, 2.2f, {0.0f, 0.0f, 1.0f});
    // The composition the isosurface uses for its orbits.
    Quat q;
    QuatMultiply(qx, qy, q);
    QuatMultiply(q, qz, q);
    Matrix44 fromQuat;
    MatrixFromQuat(fromQuat, q);

    Matrix44 mx;
    Matrix44 my;
    Matrix44 mz;
    MatrixFromQuat(mx, qx);
    MatrixFromQuat(my, qy);
    MatrixFromQuat(mz, qz);
    Matrix44 product;
    MatrixMultiply(mx, my, product);
    MatrixMultiply(product, mz, product);
    test::ExpectNear(fromQuat, product, 1e-6f);
}

TEST(Quat, MultiplyIntoEitherOperandGivesTheSameProduct) {
    Quat a = {0.1f, 0.2f, 0.3f, 0.9f};
    Quat b = {-0.4f, 0.5f, 0.6f, 0.2f};
    Quat separate;
    QuatMultiply(a, b, separate);
    Quat intoA = a;
    QuatMultiply(intoA, b, intoA);
    Quat intoB = b;
    QuatMultiply(a, intoB, intoB);
    EXPECT_EQ(intoA.x, separate.x);
    EXPECT_EQ(intoA.w, separate.w);
    EXPECT_EQ(intoB.y, separate.y);
    EXPECT_EQ(intoB.z, separate.z);
}
