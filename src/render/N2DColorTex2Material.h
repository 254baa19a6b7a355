#pragma once

#include "object/MemberTable.h"
#include "render/Material.h"

class NTexture;

class N2DColorTex2Material : public NMaterial {
  public:
    NClass* Create() override { return new N2DColorTex2Material; }
    static void Members(MemberTable<N2DColorTex2Material>& m);

    NTexture* Texture0 = nullptr;
    NTexture* Texture1 = nullptr;
};
