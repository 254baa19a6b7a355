#pragma once

#include "object/MemberTable.h"
#include "render/Material.h"

class NTexture;

class NColorTexMaterial : public NMaterial {
  public:
    NClass* Create() override { return new NColorTexMaterial; }
    static void Members(MemberTable<NColorTexMaterial>& m);

    NTexture* Texture = nullptr;
};
