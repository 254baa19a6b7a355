#pragma once

#include "object/MemberTable.h"
#include "values/VectValue.h"

class NBSVectValue : public NVectValue {
  public:
    NClass* Create() override { return new NBSVectValue; }
};
