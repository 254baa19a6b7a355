#pragma once

#include "raytrace/RaySphere.h"
#include "reflect/MemberTable.h"

class NRayInvSphere : public NRaySphere {
  public:
    NClass* Create() override { return new NRayInvSphere; }
};
