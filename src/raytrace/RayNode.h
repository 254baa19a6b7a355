#pragma once

#include <cstdint>

#include "reflect/MemberTable.h"
#include "scene/TransformNode.h"

class NRayNode : public NTransformNode {
  public:
    NClass* Create() override { return new NRayNode; }
    static void Members(MemberTable<NRayNode>& m);

    int32_t Param = 0;
};
