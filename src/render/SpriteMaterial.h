// Sprites: blended, flat shaded, no depth test or writes, normals rescaled; the
// shader samples "Texture0" and "Texture1".
#pragma once

#include "reflect/MemberTable.h"
#include "render/Material.h"

class NTexture;

class NSpriteMaterial : public NMaterial {
  public:
    NSpriteMaterial();
    NClass* Create() override { return new NSpriteMaterial; }
    static void Members(MemberTable<NSpriteMaterial>& m);

    NTexture* Texture0 = nullptr;
    NTexture* Texture1 = nullptr;
};
