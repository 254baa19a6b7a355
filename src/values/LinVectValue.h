#pragma once

#include "object/MemberTable.h"
#include "values/VectValue.h"

class NLinVectValue : public NVectValue {
  public:
    NClass* Create() override { return new NLinVectValue; }
};
