// A primitive of the second raytracer: placed directly in ray space by the
// raytracer that owns it, with no node and no sprites of its own.
#pragma once

#include "raytrace/SphereMath.h"
#include "reflect/Class.h"
#include "scene/Matrix44.h"

class NRayPrim01 : public NClass {
  public:
    NRayPrim01();
    NClass* Create() override { return new NRayPrim01; }
    // Radius squared from the radius.
    void Init() override { radiusSquared = radius * radius; }
    // Texture coordinates of a point on the surface; none for a plain primitive.
    virtual void TexCoord(const Vector3& point, float& u, float& v) const;
    // As the first raytracer's primitives; a plain primitive is never hit.
    virtual bool Intersect(const Vector3& origin, const Vector3& direction, float& t) const;
    virtual Vector3 Normal(const Vector3& point) const;

    Vector3 centre = {0, 0, 0};
    // Ray space to texture space.
    Matrix44 textureMatrix;
    float radius = 1.0f;
    float radiusSquared = 1.0f;
    ScreenRect screen;
};
