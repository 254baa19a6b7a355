#include "values/FloatValue.h"

void NFloatValue::Members(MemberTable<NFloatValue>& m) {
    m.Add<&NFloatValue::f>("f");
}
