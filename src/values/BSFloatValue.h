#pragma once

#include "object/MemberTable.h"
#include "values/FloatValue.h"

class NBSFloatValue : public NFloatValue {
  public:
    NClass* Create() override { return new NBSFloatValue; }
};
