#pragma once

#include "raytrace/RayNode.h"
#include "reflect/MemberTable.h"

class NRayNode2 : public NRayNode {
  public:
    NClass* Create() override { return new NRayNode2; }
};
