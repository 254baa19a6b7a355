// A vector on a quadratic path whose coefficients are vector value objects of their
// own.
#pragma once

#include "values/PosVelAcc.h"
#include "values/VectValue.h"

class NDynamicPosVelAccVect : public DynamicPosVelAcc<NVectValue, NDynamicPosVelAccVect> {
  public:
    static constexpr char kSource[] = "NDynamicPosVelAccVect";
    NClass* Create() override { return new NDynamicPosVelAccVect; }
};
