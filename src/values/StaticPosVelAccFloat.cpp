#include "values/StaticPosVelAccFloat.h"

#include "base/FrameTime.h"

void NStaticPosVelAccFloat::Members(MemberTable<NStaticPosVelAccFloat>& m) {
    m.Add<&NStaticPosVelAccFloat::P0>("P0");
    m.Add<&NStaticPosVelAccFloat::V0>("V0");
    m.Add<&NStaticPosVelAccFloat::A0>("A0");
}

void NStaticPosVelAccFloat::Update() {
    const float t = CurrentTime;
    f = t * (A0 * t + V0) + P0;
}
