#pragma once

#include "object/MemberTable.h"
#include "scene/Drawable.h"

class NParticle : public NDrawable {
  public:
    NClass* Create() override { return new NParticle; }
};
