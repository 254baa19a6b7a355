// A ray node fixed 600 units down -z: the centre of a raytraced room.
#pragma once

#include "raytrace/RayNode.h"
#include "reflect/MemberTable.h"

class NRayNode0 : public NRayNode {
  public:
    NClass* Create() override { return new NRayNode0; }
    void Update() override;
};
