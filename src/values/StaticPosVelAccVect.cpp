#include "values/StaticPosVelAccVect.h"

void NStaticPosVelAccVect::Members(MemberTable<NStaticPosVelAccVect>& m) {
    m.Add<&NStaticPosVelAccVect::P0_x>("P0_x");
    m.Add<&NStaticPosVelAccVect::P0_y>("P0_y");
    m.Add<&NStaticPosVelAccVect::P0_z>("P0_z");
    m.Add<&NStaticPosVelAccVect::V0_x>("V0_x");
    m.Add<&NStaticPosVelAccVect::V0_y>("V0_y");
    m.Add<&NStaticPosVelAccVect::V0_z>("V0_z");
    m.Add<&NStaticPosVelAccVect::A0_x>("A0_x");
    m.Add<&NStaticPosVelAccVect::A0_y>("A0_y");
    m.Add<&NStaticPosVelAccVect::A0_z>("A0_z");
}
