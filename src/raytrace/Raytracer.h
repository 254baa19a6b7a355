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
    // A primitive with all a primary ray needs of it this frame.
    struct EyePrimitive {
        ScreenRect screen;
        SphereQuery fromEye;
        bool seenFromInside;
        int32_t index;
    };

    // Everything Trace does but the texture coordinates; for a hit, true with the
    // point in the primitive's object space and its texture repeat.
    // Only the `count` primitives of `candidates` are tried.
    bool Shade(RaySample& sample, const EyePrimitive* candidates, int32_t count,
               Vector3& objectPoint, float& repeat);
    void FlushTexCoords();
    // Makes `row` the primitives whose screen rectangles span screen height y.
    void SelectRow(float y);
    // Whether the point the light reaches along `toPoint` at t = 1 is blocked by a
    // primitive other than `hit`; the last primitive never blocks.
    bool Shadowed(const Vector3& toPoint, int32_t hit);
    // Whether primitive i lies on the light's way along `toPoint` before t = 1.
    // `awayLimit` is |toPoint|^2 * 1e-30: see MovesAway.
    bool Blocks(int32_t i, const Vector3& toPoint, float awayLimit) const {
        float t = 0;
        return !MovesAway(i, toPoint, awayLimit) &&
               IntersectSphereRoot(fromLight[i], toPoint, seenFromInside[i], t) && t >= 0.0f &&
               t < 1.0f;
    }
    // Whether the ray leaves the light away from the centre of a primitive seen
    // from outside, so it can meet it only at t < 0. The intersection would find
    // the same, skipped here with its square root: its nearer root is then
    // (-b - root) / 2a <= -b / 2a < 0, and b > awayLimit keeps that quotient from
    // rounding to -0.
    bool MovesAway(int32_t i, const Vector3& toPoint, float awayLimit) const {
        const Vector3& oc = fromLight[i].oc;
        const float b = 2.0f * toPoint.x * oc.x + 2.0f * toPoint.y * oc.y + 2.0f * toPoint.z * oc.z;
        return !seenFromInside[i] && b > awayLimit;
    }

    // Every primary ray starts at the eye and every shadow ray at the light, so each
    // primitive's part of the intersection is worked out once a frame.
    EyePrimitive fromEye[kMaxPrimitives] = {};
    SphereQuery fromLight[kMaxPrimitives] = {};
    bool seenFromInside[kMaxPrimitives] = {};

    // Samples of one row share their height, so the primitives a row can meet are
    // picked once per row rather than once per sample.
    EyePrimitive row[kMaxPrimitives] = {};
    int32_t rowCount = 0;
    float rowY = 0;

    // Neighbouring points are mostly shadowed by the same primitive, so it is tried
    // first; any order gives the same answer. -1 for none.
    int32_t lastBlocker = -1;

    // Hits waiting for their texture coordinates, and the samples they go to.
    TexCoordBatch texCoords;
    RaySample* waiting[TexCoordBatch::kSize] = {};

    NLight* defaultLight = nullptr;
    NTransformNode defaultLightNode;
};
