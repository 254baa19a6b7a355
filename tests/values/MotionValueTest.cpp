// Values that follow a formula of the part's clock.
#include <gtest/gtest.h>

#include "base/Con.h"
#include "base/FrameTime.h"
#include "base/ScalarMath.h"
#include "values/CameraPosition01.h"
#include "values/DeltaFloatValue.h"
#include "values/DynamicColorValue.h"
#include "values/DynamicPosVelAccFloat.h"
#include "values/DynamicPosVelAccVect.h"
#include "values/KeyReader.h"
#include "values/LinVectValue.h"
#include "values/StaticPosVelAccFloat.h"
#include "values/StaticPosVelAccVect.h"

namespace {

NDeltaFloatValue* Ramp(NDeltaFloatValue& value, float start, float delta) {
    value.Start = start;
    value.Delta = delta;
    return &value;
}

}  // namespace

TEST(MotionValue, StaticPathsStartAtP0AndAddVTAndAT2) {
    NDeltaFloatValue line;
    Ramp(line, 2, 0.5f);
    NStaticPosVelAccFloat number;
    number.P0 = 1;
    number.V0 = 2;
    number.A0 = 3;
    NStaticPosVelAccVect vector;
    vector.P0_z = 10;
    vector.V0_y = -1;
    vector.A0_z = 0.5f;
    number.Update();
    EXPECT_EQ(number.f, 1.0f);
    CurrentTime = 2;
    line.Update();
    number.Update();
    vector.Update();
    EXPECT_EQ(line.f, 3.0f);
    EXPECT_EQ(number.f, 17.0f);  // 1 + 2*2 + 3*2*2: no factor one half
    EXPECT_EQ(vector.y, -2.0f);
    EXPECT_EQ(vector.z, 12.0f);
}

TEST(MotionValue, DynamicPathsInitialiseAndUpdateTheirCoefficientsFirst) {
    Con.EnableBuffer(true);
    NDeltaFloatValue p, v, a;
    NDynamicPosVelAccFloat number;
    number.P0 = Ramp(p, 1, 0);
    number.V0 = Ramp(v, 0, 1);
    number.A0 = Ramp(a, 3, 0);
    NVectValue p3, a3;
    p3.x = 5;
    NLinVectValue keyed;
    ReadKey(&keyed, "LinVectValue", "0", "0 0 0");
    ReadKey(&keyed, "LinVectValue", "2", "2 4 6");
    NDynamicPosVelAccVect vector;
    vector.P0 = &p3;
    vector.V0 = &keyed;
    vector.A0 = &a3;
    number.Init();
    vector.Init();
    CurrentTime = 2;
    number.Update();
    vector.Update();
    EXPECT_EQ(number.f, 17.0f);  // V0 is 2 by now: 1 + 2*2 + 3*4
    EXPECT_EQ(vector.x, 9.0f);
    EXPECT_EQ(vector.z, 12.0f);
    EXPECT_STREQ(Con.BufferText(), "");
}

TEST(MotionValue, DynamicColorTakesItsChannelsFromFloatObjects) {
    NFloatValue one;
    one.f = 1;
    NDeltaFloatValue fade;
    NDynamicColorValue color;
    color.r = color.g = color.b = &one;
    color.a = Ramp(fade, 1, -0.5f);
    color.Init();
    CurrentTime = 2;
    color.Update();
    const NColorValue& result = color;
    EXPECT_EQ(result.r, 1.0f);
    EXPECT_EQ(result.a, 0.0f);
}

TEST(MotionValue, MissingMembersAreReportedOnceAndCountForNothing) {
    Con.EnableBuffer(true);
    NFloatValue v;
    v.f = 2;
    NDynamicPosVelAccFloat number;
    number.V0 = &v;
    number.Init();
    number.Init();
    CurrentTime = 3;
    number.Update();
    EXPECT_EQ(number.f, 6.0f);
    NDynamicColorValue color;
    color.r = &v;
    color.Init();
    color.Update();
    EXPECT_EQ(color.NColorValue::a, 1.0f);  // a channel without its object stays as it was
    EXPECT_STREQ(Con.BufferText(),
                 "Error: NDynamicPosVelAccFloat: member P0 is missing\r\n"
                 "Error: NDynamicPosVelAccFloat: member A0 is missing\r\n"
                 "Error: NDynamicColorValue: member g is missing\r\n"
                 "Error: NDynamicColorValue: member b is missing\r\n"
                 "Error: NDynamicColorValue: member a is missing\r\n");
}

TEST(MotionValue, MemberReferringBackToItsValueEndsTheCycle) {
    Con.EnableBuffer(true);
    NFloatValue zero;
    NDynamicPosVelAccFloat outer, inner;
    inner.P0 = &outer;  // a member element that names an enclosing value
    inner.V0 = inner.A0 = &zero;
    outer.P0 = &inner;
    outer.V0 = outer.A0 = &zero;
    outer.f = 4;
    outer.Init();
    outer.Update();
    EXPECT_EQ(outer.f, 4.0f);
    EXPECT_STREQ(Con.BufferText(),
                 "Error: NDynamicPosVelAccFloat: a member value refers back to this value\r\n");
}

TEST(MotionValue, CameraPosition01SwingsAlongZ) {
    NCameraPosition01 camera;
    CurrentTime = 0;
    camera.Update();
    EXPECT_EQ(camera.x, 400.0f);
    EXPECT_EQ(camera.z, 0.0f);
    CurrentTime = Pi() / 2;
    camera.Update();
    EXPECT_EQ(camera.y, 0.0f);
    EXPECT_FLOAT_EQ(camera.z, 600.0f);
}
