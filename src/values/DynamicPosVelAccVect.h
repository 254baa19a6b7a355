// A vector on a quadratic path whose coefficients are vector value objects of
// their own, each brought up to date before it is used.
#pragma once

#include "reflect/MemberTable.h"
#include "values/DynamicValue.h"
#include "values/VectValue.h"

class NDynamicPosVelAccVect : public NVectValue {
  public:
    NClass* Create() override { return new NDynamicPosVelAccVect; }
    static void Members(MemberTable<NDynamicPosVelAccVect>& m);
    // Passes Init on, so that keyed coefficients can be evaluated.
    void Init() override;
    // A missing coefficient counts as the zero vector.
    void Update() override;

    NVectValue* P0 = nullptr;
    NVectValue* V0 = nullptr;
    NVectValue* A0 = nullptr;

  private:
    DynamicValueGuard guard;
};
