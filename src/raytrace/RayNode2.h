#pragma once

#include "object/MemberTable.h"
#include "raytrace/RayNode.h"

class NRayNode2 : public NRayNode {
  public:
    NClass* Create() override { return new NRayNode2; }
};
