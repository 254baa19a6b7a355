#pragma once

#include "object/MemberTable.h"
#include "values/FloatValue.h"

class NDeltaFloatValue : public NFloatValue {
  public:
    NClass* Create() override { return new NDeltaFloatValue; }
    static void Members(MemberTable<NDeltaFloatValue>& m);

    float Start = 0;
    float Delta = 0;
};
