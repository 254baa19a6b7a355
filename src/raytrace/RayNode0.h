#pragma once

#include "raytrace/RayNode.h"
#include "reflect/MemberTable.h"

class NRayNode0 : public NRayNode {
  public:
    NClass* Create() override { return new NRayNode0; }
};
