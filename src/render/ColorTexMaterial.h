// Lit, solid 3D surfaces: blended, smooth shaded, depth tested and written, back
// faces culled.
#pragma once

#include "reflect/MemberTable.h"
#include "render/Material.h"

class NTexture;

class NColorTexMaterial : public NMaterial {
  public:
    NColorTexMaterial() { vertexLayout = &kColorTextureLayout; }
    NClass* Create() override { return new NColorTexMaterial; }
    void Init() override;
    void Render() override;
    static void Members(MemberTable<NColorTexMaterial>& m);

    NTexture* Texture = nullptr;
};
