#pragma once

#include <cstdint>

#include "effects/Mesh.h"
#include "reflect/MemberTable.h"

class NQuadMesh : public NMesh {
  public:
    NClass* Create() override { return new NQuadMesh; }
    static void Members(MemberTable<NQuadMesh>& m);

    float Length = 0;
    float Width = 0;
    int32_t Lines = 0;
    int32_t Divisions = 0;
};
