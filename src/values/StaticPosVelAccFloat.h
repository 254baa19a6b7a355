#pragma once

#include "object/MemberTable.h"
#include "values/FloatValue.h"

class NStaticPosVelAccFloat : public NFloatValue {
  public:
    NClass* Create() override { return new NStaticPosVelAccFloat; }
    static void Members(MemberTable<NStaticPosVelAccFloat>& m);

    float P0 = 0;
    float V0 = 0;
    float A0 = 0;
};
