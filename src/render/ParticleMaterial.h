#pragma once

#include "object/MemberTable.h"
#include "render/Material.h"

class NTexture;

class NParticleMaterial : public NMaterial {
  public:
    NClass* Create() override { return new NParticleMaterial; }
    static void Members(MemberTable<NParticleMaterial>& m);

    NTexture* Texture = nullptr;
};
