#pragma once

#include "object/Class.h"
#include "object/MemberTable.h"

class NTransformNodeContent : public NClass {
  public:
    NClass* Create() override { return new NTransformNodeContent; }
};
