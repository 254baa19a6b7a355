#pragma once

#include "reflect/MemberTable.h"
#include "scene/Drawable.h"

class NRayPrim : public NDrawable {
  public:
    NClass* Create() override { return new NRayPrim; }
};
