// A sphere seen from outside, carried by a transform node and traced in ray space.
#pragma once

#include <cstdint>

#include "raytrace/RayPrim.h"
#include "raytrace/SphereMath.h"
#include "reflect/MemberTable.h"
#include "scene/Matrix44.h"

class NFloatValue;

class NRaySphere : public NRayPrim {
  public:
    NClass* Create() override { return new NRaySphere; }
    static void Members(MemberTable<NRaySphere>& m);

    // Initialises "Radius" (reported when missing: the sphere then has radius 0),
    // then the sprite mesh for the capacity the tile gave.
    void Init() override;
    // Radius, matrices, centre and screen rectangle for the current frame.
    void Update() override;
    void TexCoord(const Vector3& point, float& u, float& v) const override;
    // Whether the ray origin + t * direction meets the surface at some t >= 0: the
    // nearer meeting seen from outside, the farther (the inner wall) from inside.
    bool Intersect(const Vector3& origin, const Vector3& direction, float& t) const {
        return Intersect(QuerySphere(origin, centre, radius * radius), direction, t);
    }
    // The same for a ray whose origin was prepared with QuerySphere.
    bool Intersect(const SphereQuery& query, const Vector3& direction, float& t) const {
        return IntersectSphereRoot(query, direction, seenFromInside, t) && t >= 0.0f;
    }
    // The direction away from the side it is seen from at a point on the surface,
    // not of unit length.
    Vector3 Normal(const Vector3& point) const {
        const Vector3 out = VectorDifference(point, centre);
        return seenFromInside ? Vector3{-out.x, -out.y, -out.z} : out;
    }
    bool SeenFromInside() const { return seenFromInside; }

    NFloatValue* Radius = nullptr;
    float TextureRepeat = 1.0f;
    int32_t ReceiveShadows = 1;
    float radius = 0;
    ScreenRect screen;
    Vector3 centre = {0, 0, 0};
    Matrix44 objectToRay;
    Matrix44 rayToObject;

  protected:
    bool seenFromInside = false;
};
