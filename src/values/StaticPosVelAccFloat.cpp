#include "values/StaticPosVelAccFloat.h"

void NStaticPosVelAccFloat::Members(MemberTable<NStaticPosVelAccFloat>& m) {
    m.Add<&NStaticPosVelAccFloat::P0>("P0");
    m.Add<&NStaticPosVelAccFloat::V0>("V0");
    m.Add<&NStaticPosVelAccFloat::A0>("A0");
}
