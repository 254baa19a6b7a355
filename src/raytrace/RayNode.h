// Transform nodes of raytraced scenes. A plain RayNode keeps the local matrix it
// was given (the identity); its kinds move along built-in paths, told apart by
// their "Param".
#pragma once

#include <cstdint>

#include "reflect/MemberTable.h"
#include "scene/TransformNode.h"

class NRayNode : public NTransformNode {
  public:
    NClass* Create() override { return new NRayNode; }
    static void Members(MemberTable<NRayNode>& m);

    int32_t Param = 1;
    Vector3 position = {0, 0, 0};

  protected:
    // The orbiting motion the two moving kinds share: at s = 0.2 t + 600 the node
    // sits at R(1.52ds, 1.24ds, 2.14ds) (0, 0, sin(s + 8k) * swing + distance),
    // moved to depth -(depthScale * p.z + depthOffset) and turned by
    // R(1.2ds, 1.5ds, 1.87ds), with k = 0.1 sin(200 Param) and d = k + 1.
    void Orbit(float swing, float distance, float depthScale, float depthOffset);
};
