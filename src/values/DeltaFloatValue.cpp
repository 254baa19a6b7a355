#include "values/DeltaFloatValue.h"

void NDeltaFloatValue::Members(MemberTable<NDeltaFloatValue>& m) {
    m.Add<&NDeltaFloatValue::Start>("Start");
    m.Add<&NDeltaFloatValue::Delta>("Delta");
}
