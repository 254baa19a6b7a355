// The plain float value object. Owners hold every animatable float through this
// class, call Update each frame and then read `f`; derived kinds recompute it.
#pragma once

#include "reflect/Class.h"
#include "reflect/MemberTable.h"

class NFloatValue : public NClass {
  public:
    NClass* Create() override { return new NFloatValue; }
    static void Members(MemberTable<NFloatValue>& m);

    float f = 0;

    // The fields in order, as keys and motion paths fill them.
    static constexpr float NFloatValue::*kFields[] = {&NFloatValue::f};
};
