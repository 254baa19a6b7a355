// A shape the raytracer can trace and, at the same time, the sprite mesh that
// draws the quads the raytracer's tile emits for it. A plain RayPrim has no
// shape: a raytracer refuses it.
#pragma once

#include "effects/ColorTexSpriteMesh01.h"
#include "reflect/MemberTable.h"
#include "scene/Vector3.h"

class NRayPrim : public NColorTexSpriteMesh01 {
  public:
    NClass* Create() override { return new NRayPrim; }
    // Texture coordinates of a point on the surface, in ray space.
    virtual void TexCoord(const Vector3& point, float& u, float& v) const;
};
