// Two textures over a depth-tested surface: blended, smooth shaded, depth tested but
// not written, nothing culled; the shader samples "Texture0" and "Texture1".
#pragma once

#include "reflect/MemberTable.h"
#include "render/Material.h"

class NTexture;

class N2DColorTex2Material : public NMaterial {
  public:
    N2DColorTex2Material();
    NClass* Create() override { return new N2DColorTex2Material; }
    static void Members(MemberTable<N2DColorTex2Material>& m);

    NTexture* Texture0 = nullptr;
    NTexture* Texture1 = nullptr;
};
