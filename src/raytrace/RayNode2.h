// A ray node on a far orbit: 300 +- 100 units out, behind the near one.
#pragma once

#include "raytrace/RayNode.h"
#include "reflect/MemberTable.h"

class NRayNode2 : public NRayNode {
  public:
    NClass* Create() override { return new NRayNode2; }
    void Update() override { Orbit(100.0f, 300.0f, 1.0f, 700.0f); }
};
