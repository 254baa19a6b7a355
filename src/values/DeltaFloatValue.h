// A float that moves linearly with the part's clock: Delta x time + Start.
#pragma once

#include "reflect/MemberTable.h"
#include "values/FloatValue.h"

class NDeltaFloatValue : public NFloatValue {
  public:
    NClass* Create() override { return new NDeltaFloatValue; }
    static void Members(MemberTable<NDeltaFloatValue>& m);
    void Update() override;

    float Start = 0;
    float Delta = 0;
};
