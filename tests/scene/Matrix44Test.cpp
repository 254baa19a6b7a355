#include "scene/Matrix44.h"

#include <gtest/gtest.h>

#include <numbers>

#include "MathExpect.h"

namespace {

constexpr float kHalfPi = std::numbers::pi_v<float> / 2.0f;

// A matrix with no zero and no symmetry, so that a swapped index shows.
Matrix44 Numbered(float first) {
    Matrix44 m;
    for (int i = 0; i < 16; ++i) {
        m.m[i] = first + static_cast<float>(i);
    }
    return m;
}

}  // namespace

TEST(Matrix44, IdentityHasOnesOnTheDiagonalOnly) {
    Matrix44 m = Numbered(1.0f);
    MatrixIdentity(m);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(m.m[i], (i == 0 || i == 5 || i == 10 || i == 15) ? 1.0f : 0.0f) << i;
    }
}

TEST(Matrix44, MultiplyUsesColumnOrderWithTheRightFactorAppliedFirst) {
    Matrix44 move;
    MatrixTranslation(move, {10.0f, 0.0f, 0.0f});
    Matrix44 turn;
    MatrixRotationZ(turn, kHalfPi);

    Matrix44 moveAfterTurn;
    MatrixMultiply(move, turn, moveAfterTurn);
    test::ExpectNear(MatrixTransformPoint(moveAfterTurn, {1.0f, 0.0f, 0.0f}), {10.0f, 1.0f, 0.0f});

    // Element (r, c) = sum over k of A(r, k) * B(k, c), checked on one element by hand:
    // A(1, k) = 2, 6, 10, 14 and B(k, 2) = 9, 10, 11, 12.
    Matrix44 product;
    MatrixMultiply(Numbered(1.0f), Numbered(1.0f), product);
    EXPECT_EQ(product.m[4 * 2 + 1], 2.0f * 9 + 6.0f * 10 + 10.0f * 11 + 14.0f * 12);
}

TEST(Matrix44, MultiplyIntoEitherOperandGivesTheSameProduct) {
    const Matrix44 a = Numbered(1.0f);
    const Matrix44 b = Numbered(-7.0f);
    Matrix44 separate;
    MatrixMultiply(a, b, separate);

    Matrix44 intoA = a;
    MatrixMultiply(intoA, b, intoA);
    Matrix44 intoB = b;
    MatrixMultiply(a, intoB, intoB);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(intoA.m[i], separate.m[i]) << i;
        EXPECT_EQ(intoB.m[i], separate.m[i]) << i;
    }
}

TEST(Matrix44, TransformPointAddsTheTranslation) {
    Matrix44 m = Numbered(0.0f);
    // (m0 + 2 m4 + 3 m8 + m12, ...) with m[i] = i.
    test::ExpectNear(MatrixTransformPoint(m, {1.0f, 2.0f, 3.0f}),
                     {0 + 8 + 24 + 12.0f, 1 + 10 + 27 + 13.0f, 2 + 12 + 30 + 14.0f});
}

TEST(Matrix44, RotationsXAndZAreRightHandedAndYTurnsXTowardZ) {
    Matrix44 m;
    MatrixRotationZ(m, kHalfPi);
    test::ExpectNear(MatrixTransformPoint(m, {1.0f, 0.0f, 0.0f}), {0.0f, 1.0f, 0.0f});
    MatrixRotationX(m, kHalfPi);
    test::ExpectNear(MatrixTransformPoint(m, {0.0f, 1.0f, 0.0f}), {0.0f, 0.0f, 1.0f});
    MatrixRotationY(m, kHalfPi);
    test::ExpectNear(MatrixTransformPoint(m, {1.0f, 0.0f, 0.0f}), {0.0f, 0.0f, 1.0f});
    test::ExpectNear(MatrixTransformPoint(m, {0.0f, 0.0f, 1.0f}), {-1.0f, 0.0f, 0.0f});
}

TEST(Matrix44, FromEulerAppliesZThenYThenX) {
    Matrix44 m;
    MatrixFromEuler(m, kHalfPi, kHalfPi, kHalfPi);
    // x --Z--> y --Y--> y --X--> z
    test::ExpectNear(MatrixTransformPoint(m, {1.0f, 0.0f, 0.0f}), {0.0f, 0.0f, 1.0f});
    // y --Z--> -x --Y--> -z --X--> y
    test::ExpectNear(MatrixTransformPoint(m, {0.0f, 1.0f, 0.0f}), {0.0f, 1.0f, 0.0f});
}

TEST(Matrix44, InvertRigidOfATranslationNegatesIt) {
    Matrix44 m;
    MatrixTranslation(m, {1.0f, 2.0f, 3.0f});
    MatrixInvertRigid(m);
    Matrix44 expected;
    MatrixTranslation(expected, {-1.0f, -2.0f, -3.0f});
    test::ExpectNear(m, expected, 0.0f);
}

TEST(Matrix44, InvertRigidUndoesRotationUniformScaleAndTranslation) {
    Matrix44 turn;
    MatrixFromEuler(turn, 0.3f, -1.1f, 2.0f);
    for (float& e : turn.m) {
        e *= 2.5f;
    }
    turn.m[15] = 1.0f;
    Matrix44 m;
    MatrixTranslation(m, {4.0f, -5.0f, 6.0f});
    MatrixMultiply(m, turn, m);

    Matrix44 inverse = m;
    MatrixInvertRigid(inverse);
    Matrix44 product;
    MatrixMultiply(inverse, m, product);
    test::ExpectNear(product, test::Identity(), 1e-5f);
    MatrixMultiply(m, inverse, product);
    test::ExpectNear(product, test::Identity(), 1e-5f);
}

TEST(Matrix44, InvertRigidWithAZeroRowGivesTheIdentity) {
    for (int row = 0; row < 3; ++row) {
        Matrix44 m = Numbered(1.0f);
        m.m[row] = m.m[4 + row] = m.m[8 + row] = 0.0f;
        MatrixInvertRigid(m);
        test::ExpectNear(m, test::Identity(), 0.0f);
    }
}

TEST(Matrix44, LookAtFromPlusZTurnsWorldUpIntoViewDown) {
    Matrix44 m;
    MatrixLookAt(m, {0.0f, 0.0f, 5.0f}, {0.0f, 0.0f, 0.0f});
    Matrix44 expected;
    MatrixIdentity(expected);
    expected.m[0] = -1.0f;  // r = (-1, 0, 0)
    expected.m[5] = -1.0f;  // u = (0, -1, 0)
    expected.m[14] = -5.0f;
    test::ExpectNear(m, expected, 0.0f);
    test::ExpectNear(MatrixTransformPoint(m, {0.0f, 0.0f, 0.0f}), {0.0f, 0.0f, -5.0f});
    test::ExpectNear(MatrixTransformPoint(m, {0.0f, 1.0f, 0.0f}), {0.0f, -1.0f, -5.0f});
}

TEST(Matrix44, LookAtFromTheSideBuildsAnOrthonormalViewOfTheTarget) {
    Matrix44 m;
    const Vector3 eye = {3.0f, 2.0f, -4.0f};
    const Vector3 target = {1.0f, -1.0f, 2.0f};
    MatrixLookAt(m, eye, target);
    // The target lies on the view axis, in front of the eye (negative z).
    const Vector3 seen = MatrixTransformPoint(m, target);
    EXPECT_NEAR(seen.x, 0.0f, 1e-5f);
    EXPECT_NEAR(seen.y, 0.0f, 1e-5f);
    EXPECT_NEAR(seen.z, -7.0f, 1e-5f);  // |eye - target| = sqrt(4 + 9 + 36)
    test::ExpectNear(MatrixTransformPoint(m, eye), {0.0f, 0.0f, 0.0f}, 1e-5f);
    // Its inverse is exact, so the rows are orthonormal.
    Matrix44 inverse = m;
    MatrixInvertRigid(inverse);
    Matrix44 product;
    MatrixMultiply(m, inverse, product);
    test::ExpectNear(product, test::Identity(), 1e-5f);
}

TEST(Matrix44, LookAtStraightDownStaysARotation) {
    Matrix44 m;
    MatrixLookAt(m, {0.0f, 10.0f, 0.0f}, {0.0f, 0.0f, 0.0f});
    test::ExpectNear(MatrixTransformPoint(m, {0.0f, 0.0f, 0.0f}), {0.0f, 0.0f, -10.0f});
    // Same right vector as a view from just off the vertical on the +z side.
    Matrix44 nearby;
    MatrixLookAt(nearby, {0.0f, 10.0f, 1e-3f}, {0.0f, 0.0f, 0.0f});
    test::ExpectNear(MatrixTransformPoint(m, {1.0f, 0.0f, 0.0f}),
                     MatrixTransformPoint(nearby, {1.0f, 0.0f, 0.0f}), 1e-3f);
}
