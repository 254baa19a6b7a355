#pragma once

#include "effects/SpriteMesh.h"
#include "object/MemberTable.h"

class NColorTexSpriteMesh : public NSpriteMesh {
  public:
    NClass* Create() override { return new NColorTexSpriteMesh; }
};
