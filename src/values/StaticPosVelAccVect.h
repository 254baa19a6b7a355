// A vector on a quadratic path of the part's clock, per component P0 + V0 t + A0 t^2.
#pragma once

#include "reflect/MemberTable.h"
#include "values/PosVelAcc.h"
#include "values/VectValue.h"

class NStaticPosVelAccVect : public StaticPosVelAcc<NVectValue, NStaticPosVelAccVect> {
  public:
    NClass* Create() override { return new NStaticPosVelAccVect; }
    static void Members(MemberTable<NStaticPosVelAccVect>& m);

    float P0_x = 0;
    float P0_y = 0;
    float P0_z = 0;
    float V0_x = 0;
    float V0_y = 0;
    float V0_z = 0;
    float A0_x = 0;
    float A0_y = 0;
    float A0_z = 0;

    // Each field's P0, V0 and A0 members, for the path.
    static constexpr PosVelAccMembers<NStaticPosVelAccVect> kCoefficients[] = {
        {&NStaticPosVelAccVect::P0_x, &NStaticPosVelAccVect::V0_x, &NStaticPosVelAccVect::A0_x},
        {&NStaticPosVelAccVect::P0_y, &NStaticPosVelAccVect::V0_y, &NStaticPosVelAccVect::A0_y},
        {&NStaticPosVelAccVect::P0_z, &NStaticPosVelAccVect::V0_z, &NStaticPosVelAccVect::A0_z}};
};
