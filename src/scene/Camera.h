// A perspective view with the near plane at 1 and the aspect of the active surface.
#pragma once

#include "reflect/MemberTable.h"
#include "scene/View.h"

class NCamera : public NView {
  public:
    NClass* Create() override { return new NCamera; }
    static void Members(MemberTable<NCamera>& m);

    // Loads the perspective projection and makes FarZ the depth clear value (which
    // the renderer clamps to 1). Without an active surface there is no aspect to use: the
    // call is reported and the projection stays as it was.
    void Apply() override;

    // Vertical field of view in degrees.
    float ViewAngle = 90;
    float FarZ = 1000;
};
