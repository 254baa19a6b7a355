#include "values/DeltaFloatValue.h"

#include "base/FrameTime.h"

void NDeltaFloatValue::Members(MemberTable<NDeltaFloatValue>& m) {
    m.Add<&NDeltaFloatValue::Start>("Start");
    m.Add<&NDeltaFloatValue::Delta>("Delta");
}

void NDeltaFloatValue::Update() {
    f = Delta * CurrentTime + Start;
}
