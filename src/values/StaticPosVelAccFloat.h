// A float on a quadratic path of the part's clock: P0 + V0 t + A0 t^2.
#pragma once

#include "reflect/MemberTable.h"
#include "values/FloatValue.h"
#include "values/PosVelAcc.h"

class NStaticPosVelAccFloat : public StaticPosVelAcc<NFloatValue, NStaticPosVelAccFloat> {
  public:
    NClass* Create() override { return new NStaticPosVelAccFloat; }
    static void Members(MemberTable<NStaticPosVelAccFloat>& m);

    float P0 = 0;
    float V0 = 0;
    float A0 = 0;

    // Each field's P0, V0 and A0 members, for the path.
    static constexpr PosVelAccMembers<NStaticPosVelAccFloat> kCoefficients[] = {
        {&NStaticPosVelAccFloat::P0, &NStaticPosVelAccFloat::V0, &NStaticPosVelAccFloat::A0}};
};
