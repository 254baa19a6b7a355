#pragma once

#include <cstdint>

#include "raytrace/RayPrim.h"
#include "reflect/MemberTable.h"

class NFloatValue;

class NRaySphere : public NRayPrim {
  public:
    NClass* Create() override { return new NRaySphere; }
    static void Members(MemberTable<NRaySphere>& m);

    NFloatValue* Radius = nullptr;
    float TextureRepeat = 0;
    int32_t ReceiveShadows = 0;
};
