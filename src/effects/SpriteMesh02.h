#pragma once

#include "effects/SpriteMesh.h"
#include "reflect/MemberTable.h"

class NSpriteMesh02 : public NSpriteMesh {
  public:
    NClass* Create() override { return new NSpriteMesh02; }
};
