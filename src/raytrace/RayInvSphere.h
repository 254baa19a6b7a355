#pragma once

#include "object/MemberTable.h"
#include "raytrace/RaySphere.h"

class NRayInvSphere : public NRaySphere {
  public:
    NClass* Create() override { return new NRayInvSphere; }
};
