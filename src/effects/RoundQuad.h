#pragma once

#include "effects/QuadMesh.h"
#include "reflect/MemberTable.h"

class NRoundQuad : public NQuadMesh {
  public:
    NClass* Create() override { return new NRoundQuad; }
};
