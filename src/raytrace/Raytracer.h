// The raytracer: a tile whose samples are rays from the eye, shaded by the first
// light under its node with a diffuse and an ambient term and hard shadows.
#pragma once

#include "raytrace/SphereMath.h"
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
    // Readies the primitives, as they stand this frame, for the frame's rays.
    void PrepareFrame();
    // The nearest primitive along the sample's ray, its shade and texture coordinates.
    void Trace(RaySample& sample) override;
    // Trace for each untraced sample of the run, the texture coordinates worked out
    // for several samples at a time.
    void TraceRun(int32_t first, int32_t count) override;

    // Rays cast in the last frame, for measuring.
    struct RayCounts {
        int32_t primary = 0;
        int32_t shadow = 0;
    } rays;

  private:
    // Everything Trace does but the texture coordinates; for a hit, true with the
    // point in the primitive's object space and its texture repeat.
    bool Shade(RaySample& sample, Vector3& objectPoint, float& repeat);
    void FlushTexCoords();
    // Whether the point the light reaches along `toPoint` at t = 1 is blocked by a
    // primitive other than `hit`; the last primitive never blocks.
    bool Shadowed(const Vector3& toPoint, int32_t hit);

    // Every primary ray starts at the eye and every shadow ray at the light, so each
    // primitive's part of the intersection is worked out once a frame.
    SphereQuery fromEye[kMaxPrimitives] = {};
    SphereQuery fromLight[kMaxPrimitives] = {};

    // Hits waiting for their texture coordinates, and the samples they go to.
    TexCoordBatch texCoords;
    RaySample* waiting[TexCoordBatch::kSize] = {};

    NLight* defaultLight = nullptr;
    NTransformNode defaultLightNode;
};
