// The point light the raytracer shades with: an animated ambient and diffuse
// term, placed by its node.
#pragma once

#include "reflect/MemberTable.h"
#include "scene/Matrix44.h"
#include "scene/TransformNodeContent.h"

class NFloatValue;

class NLight : public NTransformNodeContent {
  public:
    NClass* Create() override { return new NLight; }
    static void Members(MemberTable<NLight>& m);

    // Reports a missing "Ambient" or "Intensity" once; the term then counts as 0.
    void Init() override;
    // The terms at the current time and fade, and the position in ray space.
    void Update() override;

    NFloatValue* Ambient = nullptr;
    NFloatValue* Intensity = nullptr;
    float ambient = 0;
    float intensity = 0;
    Vector3 position = {0, 0, 0};
    Matrix44 raySpace;
};
