#pragma once

#include "reflect/MemberTable.h"
#include "scene/Drawable.h"

class NParticle : public NDrawable {
  public:
    NClass* Create() override { return new NParticle; }
};
