#pragma once

#include "effects/SpriteMesh.h"
#include "reflect/MemberTable.h"

class NColorTexSpriteMesh : public NSpriteMesh {
  public:
    NClass* Create() override { return new NColorTexSpriteMesh; }
};
