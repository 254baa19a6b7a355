#pragma once

#include "object/MemberTable.h"
#include "scene/TransformNodeContent.h"

class NView : public NTransformNodeContent {
  public:
    NClass* Create() override { return new NView; }
};
