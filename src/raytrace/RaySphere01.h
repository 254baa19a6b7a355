// The second raytracer's sphere. Which meeting with a ray counts depends on its
// size, not its kind: a sphere wider than 500 is taken for a room around the eye.
#pragma once

#include "raytrace/RayPrim01.h"

class NRaySphere01 : public NRayPrim01 {
  public:
    NClass* Create() override { return new NRaySphere01; }
    void TexCoord(const Vector3& point, float& u, float& v) const override;
    bool Intersect(const Vector3& origin, const Vector3& direction, float& t) const override;
    // Outward: point - centre.
    Vector3 Normal(const Vector3& point) const override;
};
