// Values that follow a formula of the part's clock.
#include <gtest/gtest.h>

#include <string>

#include "app/Con.h"
#include "app/FrameTime.h"
#include "values/CameraPosition01.h"
#include "values/DeltaFloatValue.h"
#include "values/DynamicColorValue.h"
#include "values/DynamicPosVelAccFloat.h"
#include "values/DynamicPosVelAccVect.h"
#include "values/KeyReader.h"
#include "values/LinVectValue.h"
#include "values/ScalarMath.h"
#include "values/StaticPosVelAccFloat.h"
#include "values/StaticPosVelAccVect.h"

namespace {

class MotionValueTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Con.EnableBuffer(true);
        CurrentTime = 0;
    }
    static std::string Log() { return Con.BufferText(); }

    static NDeltaFloatValue Delta(float start, float delta) {
        NDeltaFloatValue value;
        value.Start = start;
        value.Delta = delta;
        return value;
    }
};

}  // namespace

TEST_F(MotionValueTest, DeltaFloatMovesLinearlyFromItsStart) {
    NDeltaFloatValue value = Delta(2, 0.5f);
    value.Update();
    EXPECT_EQ(value.f, 2.0f);
    CurrentTime = 4;
    value.Update();
    EXPECT_EQ(value.f, 4.0f);
}

TEST_F(MotionValueTest, StaticPathsAddVelocityTimesTAndAccelerationTimesTSquared) {
    NStaticPosVelAccFloat number;
    number.P0 = 1;
    number.V0 = 2;
    number.A0 = 3;
    number.Update();
    EXPECT_EQ(number.f, 1.0f);
    CurrentTime = 2;
    number.Update();
    EXPECT_EQ(number.f, 17.0f);  // 1 + 2*2 + 3*2*2

    NStaticPosVelAccVect vector;
    vector.P0_x = 1;
    vector.V0_y = -1;
    vector.A0_z = 0.5f;
    vector.P0_z = 10;
    vector.Update();
    EXPECT_EQ(vector.x, 1.0f);
    EXPECT_EQ(vector.y, -2.0f);
    EXPECT_EQ(vector.z, 12.0f);
}

TEST_F(MotionValueTest, DynamicFloatUpdatesItsCoefficientsFirst) {
    NDeltaFloatValue p = Delta(1, 0), v = Delta(0, 1), a = Delta(3, 0);
    NDynamicPosVelAccFloat value;
    value.P0 = &p;
    value.V0 = &v;
    value.A0 = &a;
    value.Init();
    value.Update();
    EXPECT_EQ(value.f, 1.0f);
    CurrentTime = 2;
    value.Update();
    // V0 has become 2 by now: 1 + 2*2 + 3*4.
    EXPECT_EQ(value.f, 17.0f);
    EXPECT_EQ(Log(), "");
}

TEST_F(MotionValueTest, DynamicVectorInitialisesAndUpdatesAKeyedMember) {
    NVectValue p, a;
    p.x = 5;
    NLinVectValue v;
    ReadKey(&v, "LinVectValue", "0", "0 0 0");
    ReadKey(&v, "LinVectValue", "2", "2 4 6");
    NDynamicPosVelAccVect value;
    value.P0 = &p;
    value.V0 = &v;
    value.A0 = &a;
    value.Init();
    CurrentTime = 1;
    value.Update();
    EXPECT_EQ(value.x, 6.0f);
    EXPECT_EQ(value.y, 2.0f);
    EXPECT_EQ(value.z, 3.0f);
    EXPECT_EQ(Log(), "");
    EXPECT_EQ(Con.ErrorCount(), 0);
}

TEST_F(MotionValueTest, DynamicColorTakesItsChannelsFromFloatObjects) {
    NFloatValue one;
    one.f = 1;
    NDeltaFloatValue fade = Delta(1, -0.5f);
    NDynamicColorValue color;
    color.r = &one;
    color.g = &one;
    color.b = &one;
    color.a = &fade;
    color.Init();
    CurrentTime = 1;
    color.Update();
    const NColorValue& result = color;
    EXPECT_EQ(result.r, 1.0f);
    EXPECT_EQ(result.a, 0.5f);
    CurrentTime = 2;
    color.Update();
    EXPECT_EQ(result.a, 0.0f);
    EXPECT_EQ(Log(), "");
}

TEST_F(MotionValueTest, MissingMembersAreReportedOnceAndCountForNothing) {
    NFloatValue v;
    v.f = 2;
    NDynamicPosVelAccFloat number;
    number.V0 = &v;
    number.Init();
    number.Init();
    CurrentTime = 3;
    number.Update();
    EXPECT_EQ(number.f, 6.0f);

    NDynamicPosVelAccVect vector;
    vector.Init();
    vector.Update();
    EXPECT_EQ(vector.x, 0.0f);

    NDynamicColorValue color;
    color.Init();
    color.Update();
    EXPECT_EQ(color.NColorValue::a, 1.0f);
    EXPECT_EQ(Log(),
              "Error: NDynamicPosVelAccFloat: member P0 is missing\r\n"
              "Error: NDynamicPosVelAccFloat: member A0 is missing\r\n"
              "Error: NDynamicPosVelAccVect: member P0 is missing\r\n"
              "Error: NDynamicPosVelAccVect: member V0 is missing\r\n"
              "Error: NDynamicPosVelAccVect: member A0 is missing\r\n"
              "Error: NDynamicColorValue: member r is missing\r\n"
              "Error: NDynamicColorValue: member g is missing\r\n"
              "Error: NDynamicColorValue: member b is missing\r\n"
              "Error: NDynamicColorValue: member a is missing\r\n");
}

TEST_F(MotionValueTest, MemberReferringBackToItsValueEndsTheCycle) {
    NFloatValue zero;
    NDynamicPosVelAccFloat outer, inner;
    inner.P0 = &outer;  // a member element that names an enclosing value
    inner.V0 = &zero;
    inner.A0 = &zero;
    outer.P0 = &inner;
    outer.V0 = &zero;
    outer.A0 = &zero;
    outer.f = 4;
    outer.Init();
    outer.Update();
    EXPECT_EQ(inner.f, 4.0f);
    EXPECT_EQ(outer.f, 4.0f);
    EXPECT_EQ(Log(), "Error: NDynamicPosVelAccFloat: a member value refers back to this value\r\n");
}

TEST_F(MotionValueTest, CameraPosition01SwingsAlongZ) {
    NCameraPosition01 camera;
    camera.Update();
    EXPECT_EQ(camera.x, 400.0f);
    EXPECT_EQ(camera.y, 0.0f);
    EXPECT_EQ(camera.z, 0.0f);
    CurrentTime = Pi() / 2;
    camera.Update();
    EXPECT_FLOAT_EQ(camera.z, 600.0f);
}
