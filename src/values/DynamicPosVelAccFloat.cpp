#include "values/DynamicPosVelAccFloat.h"

#include "base/FrameTime.h"

namespace {

const char kSource[] = "NDynamicPosVelAccFloat";

float ValueOf(const NFloatValue* value) {
    return value ? value->f : 0.0f;
}

}  // namespace

void NDynamicPosVelAccFloat::Members(MemberTable<NDynamicPosVelAccFloat>& m) {
    m.Add<&NDynamicPosVelAccFloat::P0>("P0");
    m.Add<&NDynamicPosVelAccFloat::V0>("V0");
    m.Add<&NDynamicPosVelAccFloat::A0>("A0");
}

void NDynamicPosVelAccFloat::Init() {
    if (!guard.BeginInit(kSource)) {
        return;
    }
    InitMember(P0, kSource, "P0");
    InitMember(V0, kSource, "V0");
    InitMember(A0, kSource, "A0");
    guard.EndInit();
}

void NDynamicPosVelAccFloat::Update() {
    if (!guard.BeginUpdate()) {
        return;
    }
    UpdateMember(P0);
    UpdateMember(V0);
    UpdateMember(A0);
    const float t = CurrentTime;
    f = t * (ValueOf(A0) * t + ValueOf(V0)) + ValueOf(P0);
    guard.EndUpdate();
}
