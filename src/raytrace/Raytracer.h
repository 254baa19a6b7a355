#pragma once

#include <cstdint>

#include "reflect/MemberTable.h"
#include "scene/Drawable.h"

class NRaytracer : public NDrawable {
  public:
    NClass* Create() override { return new NRaytracer; }
    static void Members(MemberTable<NRaytracer>& m);

    int32_t Subdivision = 0;
    int32_t MinBlockSize = 0;
    int32_t MaxBlockSize = 0;
};
