// A ray node on a near orbit: 400 +- 50 units out, swinging through depth.
#pragma once

#include "raytrace/RayNode.h"
#include "reflect/MemberTable.h"

class NRayNode1 : public NRayNode {
  public:
    NClass* Create() override { return new NRayNode1; }
    void Update() override { Orbit(50.0f, 400.0f, 0.5f, 650.0f); }
};
