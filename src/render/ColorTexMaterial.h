// Lit, solid 3D surfaces: blended, smooth shaded, depth tested and written, back
// faces culled.
#pragma once

#include "reflect/MemberTable.h"
#include "render/Material.h"

class NTexture;

class NColorTexMaterial : public NMaterial {
  public:
    NColorTexMaterial();
    NClass* Create() override { return new NColorTexMaterial; }
    static void Members(MemberTable<NColorTexMaterial>& m);

    NTexture* Texture = nullptr;
};
