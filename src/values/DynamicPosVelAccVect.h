#pragma once

#include "object/MemberTable.h"
#include "values/VectValue.h"

class NVectValue;

class NDynamicPosVelAccVect : public NVectValue {
  public:
    NClass* Create() override { return new NDynamicPosVelAccVect; }
    static void Members(MemberTable<NDynamicPosVelAccVect>& m);

    NVectValue* P0 = nullptr;
    NVectValue* V0 = nullptr;
    NVectValue* A0 = nullptr;
};
