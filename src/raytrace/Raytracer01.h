// The second raytracer: a self-contained room that turns about the view axis,
// lit from its centre and traced on the tile's coarse grid.
#pragma once

#include <cstdint>

#include "raytrace/Tile01.h"
#include "reflect/MemberTable.h"
#include "scene/Vector3.h"

class NRayPrim01;

class NRaytracer01 : public NTile01 {
  public:
    static constexpr int32_t kMaxPrimitives = 256;

    NRaytracer01() = default;
    ~NRaytracer01() override;
    NRaytracer01(const NRaytracer01&) = delete;
    NRaytracer01& operator=(const NRaytracer01&) = delete;
    NClass* Create() override { return new NRaytracer01; }

    // The tile's set-up, then the room.
    void Init() override;
    // Places the room and the light at the current time.
    void Update() override;
    void Trace(RaySample& sample) override;

    Vector3 lightPosition = {0, 0, 0};
    int32_t primitiveCount = 1;
    NRayPrim01* primitives[kMaxPrimitives] = {};

  private:
    bool Shadowed(const Vector3& toPoint, int32_t hit) const;
};
