// The raytracer: a tile whose samples are rays from the eye, shaded by the first
// light under its node with a diffuse and an ambient term and hard shadows.
#pragma once

#include "raytrace/Tile.h"
#include "reflect/MemberTable.h"
#include "scene/TransformNode.h"

class NRaytracer : public NTile {
  public:
    NRaytracer() = default;
    ~NRaytracer() override;
    NRaytracer(const NRaytracer&) = delete;
    NRaytracer& operator=(const NRaytracer&) = delete;
    NClass* Create() override { return new NRaytracer; }
    static void Members(MemberTable<NRaytracer>& m);

    // The tile's set-up; without a light under its node, a dark light at the eye.
    void Init() override;
    // Nothing without primitives.
    void Render() override;
    // The nearest primitive along the sample's ray, its shade and texture coordinates.
    void Trace(RaySample& sample) override;

  private:
    // Whether the point the light reaches along `toPoint` at t = 1 is blocked by a
    // primitive other than `hit`; the last primitive never blocks.
    bool Shadowed(const Vector3& light, const Vector3& toPoint, int32_t hit) const;

    NLight* defaultLight = nullptr;
    NTransformNode defaultLightNode;
};
