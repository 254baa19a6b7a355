#include "base/ScalarMath.h"

#include <gtest/gtest.h>

TEST(ScalarMath, AtanOneMinusSquareSpansHalfACircle) {
    EXPECT_EQ(AtanOneMinusSquare(0), 0.0f);
    EXPECT_FLOAT_EQ(AtanOneMinusSquare(1), Pi() / 2);
    EXPECT_FLOAT_EQ(AtanOneMinusSquare(-1), -Pi() / 2);
    EXPECT_NEAR(AtanOneMinusSquare(0.5f), 0.5880026f, 1e-6f);
    // Past 1 the denominator turns negative and the result leaves -pi/2..pi/2.
    EXPECT_GT(AtanOneMinusSquare(2), Pi() / 2);
}
