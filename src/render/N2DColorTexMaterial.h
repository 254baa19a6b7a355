// Flat overlays: opaque, smooth shaded, no depth test or writes, nothing culled.
#pragma once

#include "reflect/MemberTable.h"
#include "render/Material.h"

class NTexture;

class N2DColorTexMaterial : public NMaterial {
  public:
    N2DColorTexMaterial();
    NClass* Create() override { return new N2DColorTexMaterial; }
    static void Members(MemberTable<N2DColorTexMaterial>& m);

    NTexture* Texture = nullptr;
};
