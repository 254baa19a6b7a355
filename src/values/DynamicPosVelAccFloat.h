#pragma once

#include "object/MemberTable.h"
#include "values/FloatValue.h"

class NFloatValue;

class NDynamicPosVelAccFloat : public NFloatValue {
  public:
    NClass* Create() override { return new NDynamicPosVelAccFloat; }
    static void Members(MemberTable<NDynamicPosVelAccFloat>& m);

    NFloatValue* P0 = nullptr;
    NFloatValue* V0 = nullptr;
    NFloatValue* A0 = nullptr;
};
