#pragma once

#include "effects/Mesh.h"
#include "object/MemberTable.h"

class NSpriteMesh : public NMesh {
  public:
    NClass* Create() override { return new NSpriteMesh; }
};
