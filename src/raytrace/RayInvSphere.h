// A sphere seen from inside: a room or sky around the eye. Rays meet its inner
// wall, and its normals point toward the centre.
#pragma once

#include "raytrace/RaySphere.h"
#include "reflect/MemberTable.h"

class NRayInvSphere : public NRaySphere {
  public:
    NRayInvSphere() { seenFromInside = true; }
    NClass* Create() override { return new NRayInvSphere; }
};
