// A perspective view with the near plane at 1 and the aspect of the active surface.
#pragma once

#include "object/MemberTable.h"
#include "scene/View.h"

class NCamera : public NView {
  public:
    NClass* Create() override { return new NCamera; }
    static void Members(MemberTable<NCamera>& m);

    // Without an active surface there is no aspect: reported, projection unchanged.
    // Also sets the depth clear value to FarZ, which OpenGL clamps to 1.
    void Apply() override;

    // Vertical field of view in degrees.
    float ViewAngle = 90;
    float FarZ = 1000;
};
