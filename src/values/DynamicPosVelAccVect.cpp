#include "values/DynamicPosVelAccVect.h"

#include <initializer_list>

#include "base/FrameTime.h"

namespace {

const char kSource[] = "NDynamicPosVelAccVect";

float Component(const NVectValue* value, float NVectValue::*component) {
    return value ? value->*component : 0.0f;
}

}  // namespace

void NDynamicPosVelAccVect::Members(MemberTable<NDynamicPosVelAccVect>& m) {
    m.Add<&NDynamicPosVelAccVect::P0>("P0");
    m.Add<&NDynamicPosVelAccVect::V0>("V0");
    m.Add<&NDynamicPosVelAccVect::A0>("A0");
}

void NDynamicPosVelAccVect::Init() {
    if (!guard.BeginInit(kSource)) {
        return;
    }
    InitMember(P0, kSource, "P0");
    InitMember(V0, kSource, "V0");
    InitMember(A0, kSource, "A0");
    guard.EndInit();
}

void NDynamicPosVelAccVect::Update() {
    if (!guard.BeginUpdate()) {
        return;
    }
    UpdateMember(P0);
    UpdateMember(V0);
    UpdateMember(A0);
    const float t = CurrentTime;
    for (float NVectValue::*c : {&NVectValue::x, &NVectValue::y, &NVectValue::z}) {
        this->*c = t * (Component(A0, c) * t + Component(V0, c)) + Component(P0, c);
    }
    guard.EndUpdate();
}
