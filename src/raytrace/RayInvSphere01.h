// The second raytracer's room: a sphere whose normals point inward.
#pragma once

#include "raytrace/RaySphere01.h"

class NRayInvSphere01 : public NRaySphere01 {
  public:
    NClass* Create() override { return new NRayInvSphere01; }
    Vector3 Normal(const Vector3& point) const override { return VectorDifference(centre, point); }
};
