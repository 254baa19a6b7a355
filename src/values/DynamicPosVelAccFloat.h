// A float on a quadratic path whose coefficients are float value objects of their
// own.
#pragma once

#include "values/FloatValue.h"
#include "values/PosVelAcc.h"

class NDynamicPosVelAccFloat : public DynamicPosVelAcc<NFloatValue, NDynamicPosVelAccFloat> {
  public:
    static constexpr char kSource[] = "NDynamicPosVelAccFloat";
    NClass* Create() override { return new NDynamicPosVelAccFloat; }
};
