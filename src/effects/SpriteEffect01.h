#pragma once

#include "effects/SpriteMesh.h"
#include "reflect/MemberTable.h"

class NSpriteEffect01 : public NSpriteMesh {
  public:
    NClass* Create() override { return new NSpriteEffect01; }
};
