#pragma once

#include "object/MemberTable.h"
#include "scene/TransformNode.h"

class NIdentityNode : public NTransformNode {
  public:
    NClass* Create() override { return new NIdentityNode; }
};
