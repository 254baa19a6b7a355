// A float on a quadratic path whose coefficients are value objects of their own,
// each brought up to date before it is used.
#pragma once

#include "reflect/MemberTable.h"
#include "values/DynamicValue.h"
#include "values/FloatValue.h"

class NDynamicPosVelAccFloat : public NFloatValue {
  public:
    NClass* Create() override { return new NDynamicPosVelAccFloat; }
    static void Members(MemberTable<NDynamicPosVelAccFloat>& m);
    // Passes Init on, so that keyed coefficients can be evaluated.
    void Init() override;
    // A missing coefficient counts as 0.
    void Update() override;

    NFloatValue* P0 = nullptr;
    NFloatValue* V0 = nullptr;
    NFloatValue* A0 = nullptr;

  private:
    DynamicValueGuard guard;
};
