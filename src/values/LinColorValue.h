#pragma once

#include "object/MemberTable.h"
#include "values/ColorValue.h"

class NLinColorValue : public NColorValue {
  public:
    NClass* Create() override { return new NLinColorValue; }
};
