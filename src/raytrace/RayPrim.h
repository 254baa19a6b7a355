// A shape the raytracer can trace and, at the same time, the sprite mesh that
// draws the quads the raytracer's tile emits for it. A plain RayPrim has no
// shape: a raytracer refuses it.
#pragma once

#include "reflect/MemberTable.h"
#include "scene/Drawable.h"
#include "scene/Vector3.h"

// STAND-IN until the sprite meshes land.
struct CornerSprite {
    float x, y, z, r;
    struct {
        float u, v;
    } corner[4];
    unsigned char shade[4];
};

class NRayPrim : public NDrawable {
  public:
    NRayPrim() = default;
    ~NRayPrim() override { delete[] sprites; }
    NRayPrim(const NRayPrim&) = delete;
    NRayPrim& operator=(const NRayPrim&) = delete;
    NClass* Create() override { return new NRayPrim; }
    void Init() override {
        sprites = new CornerSprite[spriteCapacity];
        NDrawable::Init();
    }
    // Texture coordinates of a point on the surface, in ray space.
    virtual void TexCoord(const Vector3& point, float& u, float& v) const;

    int spriteCapacity = 0;
    int spriteCount = 0;
    CornerSprite* sprites = nullptr;
};
