#include "scene/Matrix44.h"

#include <gtest/gtest.h>

#include <numbers>

#include "scene/Quat.h"

namespace {

constexpr float kHalfPi = std::numbers::pi_v<float> / 2.0f;

void ExpectNear(const Vector3& actual, const Vector3& expected, float tolerance = 1e-6f) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

void ExpectNear(const Matrix44& actual, const Matrix44& expected, float tolerance = 1e-6f) {
    for (int i = 0; i < 16; ++i) {
        EXPECT_NEAR(actual.m[i], expected.m[i], tolerance) << "element " << i;
    }
}

Matrix44 Identity() {
    Matrix44 m;
    MatrixIdentity(m);
    return m;
}

// No zero and no symmetry, so that a swapped index shows.
Matrix44 Numbered(float first) {
    Matrix44 m;
    for (int i = 0; i < 16; ++i) {
        m.m[i] = first + static_cast<float>(i);
    }
    return m;
}

Matrix44 MatrixOf(const Quat& q) {
    Matrix44 m;
    MatrixFromQuat(m, q);
    return m;
}

Matrix44 FromAxisAngle(float angle, const Vector3& axis) {
    Quat q;
    QuatFromAxisAngle(q, angle, axis);
    return MatrixOf(q);
}

}  // namespace

TEST(TransformMath, MultiplyIsColumnOrderAndMayWriteIntoEitherOperand) {
    Matrix44 product;
    MatrixMultiply(Numbered(1.0f), Numbered(-7.0f), product);
    // Element (1, 2) = A(1, k) * B(k, 2) = (2, 6, 10, 14) . (1, 2, 3, 4).
    EXPECT_EQ(product.m[4 * 2 + 1], 2.0f * 1 + 6.0f * 2 + 10.0f * 3 + 14.0f * 4);

    Matrix44 intoA = Numbered(1.0f);
    MatrixMultiply(intoA, Numbered(-7.0f), intoA);
    Matrix44 intoB = Numbered(-7.0f);
    MatrixMultiply(Numbered(1.0f), intoB, intoB);
    ExpectNear(intoA, product, 0.0f);
    ExpectNear(intoB, product, 0.0f);
}

TEST(TransformMath, XAndZTurnRightHandedWhileYTurnsXTowardZ) {
    Matrix44 m;
    MatrixRotationZ(m, kHalfPi);
    ExpectNear(MatrixTransformPoint(m, {1.0f, 0.0f, 0.0f}), {0.0f, 1.0f, 0.0f});
    MatrixRotationX(m, kHalfPi);
    ExpectNear(MatrixTransformPoint(m, {0.0f, 1.0f, 0.0f}), {0.0f, 0.0f, 1.0f});
    MatrixRotationY(m, kHalfPi);
    ExpectNear(MatrixTransformPoint(m, {1.0f, 0.0f, 0.0f}), {0.0f, 0.0f, 1.0f});

    // Euler angles apply Z first, then Y, then X: x -> y -> y -> z.
    MatrixFromEuler(m, kHalfPi, kHalfPi, kHalfPi);
    ExpectNear(MatrixTransformPoint(m, {1.0f, 0.0f, 0.0f}), {0.0f, 0.0f, 1.0f});
}

TEST(TransformMath, InvertRigidUndoesTurnScaleAndMove) {
    Matrix44 m;
    Matrix44 turn;
    MatrixFromEuler(turn, 0.3f, -1.1f, 2.0f);
    for (int i = 0; i < 12; ++i) {
        turn.m[i] *= 2.5f;
    }
    MatrixTranslation(m, {4.0f, -5.0f, 6.0f});
    MatrixMultiply(m, turn, m);
    Matrix44 inverse = m;
    MatrixInvertRigid(inverse);
    MatrixMultiply(inverse, m, m);
    ExpectNear(m, Identity(), 1e-5f);
}

TEST(TransformMath, InvertRigidWithAZeroRowGivesTheIdentity) {
    for (int row = 0; row < 3; ++row) {
        Matrix44 m = Numbered(1.0f);
        m.m[row] = m.m[4 + row] = m.m[8 + row] = 0.0f;
        MatrixInvertRigid(m);
        ExpectNear(m, Identity(), 0.0f);
    }
}

TEST(TransformMath, LookAtFromPlusZTurnsWorldUpIntoViewDown) {
    Matrix44 m;
    MatrixLookAt(m, {0.0f, 0.0f, 5.0f}, {0.0f, 0.0f, 0.0f});
    Matrix44 expected = Identity();
    expected.m[0] = -1.0f;  // r = (-1, 0, 0)
    expected.m[5] = -1.0f;  // u = (0, -1, 0)
    expected.m[14] = -5.0f;
    ExpectNear(m, expected, 0.0f);
    ExpectNear(MatrixTransformPoint(m, {0.0f, 1.0f, 0.0f}), {0.0f, -1.0f, -5.0f});
}

TEST(TransformMath, LookAtStraightDownKeepsAUsableView) {
    Matrix44 m;
    MatrixLookAt(m, {0.0f, 10.0f, 0.0f}, {0.0f, 0.0f, 0.0f});
    Matrix44 nearby;
    MatrixLookAt(nearby, {0.0f, 10.0f, 1e-3f}, {0.0f, 0.0f, 0.0f});
    ExpectNear(m, nearby, 1e-3f);
}

TEST(TransformMath, QuaternionTurnsAgreeWithTheMatrixRotations) {
    Matrix44 expected;
    MatrixRotationZ(expected, kHalfPi);
    ExpectNear(FromAxisAngle(kHalfPi, {0.0f, 0.0f, 1.0f}), expected);
    // RotationY turns the other way round.
    MatrixRotationY(expected, -0.7f);
    ExpectNear(FromAxisAngle(0.7f, {0.0f, 1.0f, 0.0f}), expected);
}

TEST(TransformMath, QuatMultiplyPutsTheSecondArgumentOnTheLeft) {
    // Turns about x and z do not commute, so only the right order matches the matrices.
    Quat a;
    Quat b;
    QuatFromAxisAngle(a, kHalfPi, {1.0f, 0.0f, 0.0f});
    QuatFromAxisAngle(b, kHalfPi, {0.0f, 0.0f, 1.0f});
    Matrix44 expected;
    MatrixRotationX(expected, kHalfPi);
    Matrix44 second;
    MatrixRotationZ(second, kHalfPi);
    MatrixMultiply(expected, second, expected);
    QuatMultiply(a, b, a);
    ExpectNear(MatrixOf(a), expected);
}

TEST(TransformMath, NormalizingLeavesZeroAloneOrPointsItAlongX) {
    Vector3 v = {3.0f, 0.0f, 4.0f};
    VectorNormalize(v);
    ExpectNear(v, {0.6f, 0.0f, 0.8f});
    Vector3 zero = {0.0f, 0.0f, 0.0f};
    VectorNormalize(zero);
    ExpectNear(zero, {0.0f, 0.0f, 0.0f}, 0.0f);

    Vector3 out;
    VectorNormalizeTo({0.0f, 0.0f, 0.0f}, out);
    ExpectNear(out, {1.0f, 0.0f, 0.0f}, 0.0f);
}
