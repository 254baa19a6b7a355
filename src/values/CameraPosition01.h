// The fixed path of a built-in effect's camera: it swings along z, 600 units
// either way, at x = 400.
#pragma once

#include "reflect/MemberTable.h"
#include "values/VectValue.h"

class NCameraPosition01 : public NVectValue {
  public:
    NClass* Create() override { return new NCameraPosition01; }
    void Update() override;
};
