#pragma once

#include "effects/QuadMesh.h"
#include "object/MemberTable.h"

class NRoundQuad : public NQuadMesh {
  public:
    NClass* Create() override { return new NRoundQuad; }
};
