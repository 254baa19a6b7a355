#pragma once

#include "effects/Mesh.h"
#include "reflect/MemberTable.h"

class NSpriteMesh : public NMesh {
  public:
    NClass* Create() override { return new NSpriteMesh; }
};
