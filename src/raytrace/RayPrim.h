// A shape the raytracer can trace and, at the same time, the sprite mesh that
// draws the quads the raytracer's tile emits for it. A plain RayPrim has no
// shape: a raytracer refuses it.
#pragma once

#include <cstdint>

#include "effects/ColorTexSpriteMesh01.h"
#include "reflect/MemberTable.h"
#include "scene/Vector3.h"

class NTile;

class NRayPrim : public NColorTexSpriteMesh01 {
  public:
    NClass* Create() override { return new NRayPrim; }
    // Draws the quads its tile keeps for it, as many at a time as its sprite
    // capacity holds; first has the tile trace, when its quads are stale.
    void Render() override;
    // Texture coordinates of a point on the surface, in ray space.
    virtual void TexCoord(const Vector3& point, float& u, float& v) const;

    // The tile that collected it, and its place in that tile's list.
    NTile* tile = nullptr;
    int32_t tileIndex = 0;
};
