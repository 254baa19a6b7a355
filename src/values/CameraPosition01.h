#pragma once

#include "object/MemberTable.h"
#include "values/VectValue.h"

class NCameraPosition01 : public NVectValue {
  public:
    NClass* Create() override { return new NCameraPosition01; }
};
