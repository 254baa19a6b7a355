#pragma once

#include "reflect/MemberTable.h"
#include "scene/Drawable.h"

class NRaytracer01 : public NDrawable {
  public:
    NClass* Create() override { return new NRaytracer01; }
};
