#include "values/DynamicPosVelAccFloat.h"

#include "values/FloatValue.h"

void NDynamicPosVelAccFloat::Members(MemberTable<NDynamicPosVelAccFloat>& m) {
    m.Add<&NDynamicPosVelAccFloat::P0>("P0");
    m.Add<&NDynamicPosVelAccFloat::V0>("V0");
    m.Add<&NDynamicPosVelAccFloat::A0>("A0");
}
