// The base of the particles: a drawable with nothing to update or draw.
#pragma once

#include "reflect/MemberTable.h"
#include "scene/Drawable.h"

class NParticle : public NDrawable {
  public:
    NClass* Create() override { return new NParticle; }
    void Update() override {}
    void Render() override {}
};
