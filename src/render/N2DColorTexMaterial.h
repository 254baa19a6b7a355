#pragma once

#include "object/MemberTable.h"
#include "render/Material.h"

class NTexture;

class N2DColorTexMaterial : public NMaterial {
  public:
    NClass* Create() override { return new N2DColorTexMaterial; }
    static void Members(MemberTable<N2DColorTexMaterial>& m);

    NTexture* Texture = nullptr;
};
