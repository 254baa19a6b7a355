// Comparisons for the transform math tests.
#pragma once

#include <gtest/gtest.h>

#include "scene/Matrix44.h"
#include "scene/Vector3.h"

namespace test {

inline void ExpectNear(const Vector3& actual, const Vector3& expected, float tolerance = 1e-6f) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

inline void ExpectNear(const Matrix44& actual, const Matrix44& expected, float tolerance = 1e-6f) {
    for (int i = 0; i < 16; ++i) {
        EXPECT_NEAR(actual.m[i], expected.m[i], tolerance) << "element " << i;
    }
}

inline Matrix44 Identity() {
    Matrix44 m;
    MatrixIdentity(m);
    return m;
}

}  // namespace test
