#pragma once

#include "object/MemberTable.h"
#include "render/Material.h"

class NTexture;

class NSpriteMaterial : public NMaterial {
  public:
    NClass* Create() override { return new NSpriteMaterial; }
    static void Members(MemberTable<NSpriteMaterial>& m);

    NTexture* Texture0 = nullptr;
    NTexture* Texture1 = nullptr;
};
