// A sphere seen from inside: a room or sky around the eye.
#pragma once

#include "raytrace/RaySphere.h"
#include "reflect/MemberTable.h"

class NRayInvSphere : public NRaySphere {
  public:
    NClass* Create() override { return new NRayInvSphere; }
    // The farther meeting, so a ray from inside finds the inner wall.
    bool Intersect(const Vector3& origin, const Vector3& direction, float& t) const override;
    // Points toward the centre.
    Vector3 Normal(const Vector3& point) const override;
};
