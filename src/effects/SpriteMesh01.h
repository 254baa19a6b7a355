// The base of the sprite effect; it adds nothing to the sprite mesh.
#pragma once

#include "effects/SpriteMesh.h"

class NSpriteMesh01 : public NSpriteMesh {
  public:
    NClass* Create() override { return new NSpriteMesh01; }
};
