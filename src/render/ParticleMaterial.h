// Particles: blended, flat shaded, no depth test or writes, normals rescaled.
#pragma once

#include "reflect/MemberTable.h"
#include "render/Material.h"

class NTexture;

class NParticleMaterial : public NMaterial {
  public:
    NParticleMaterial();
    NClass* Create() override { return new NParticleMaterial; }
    static void Members(MemberTable<NParticleMaterial>& m);

    NTexture* Texture = nullptr;
};

// Filled and used by the built-in test scene.
extern NParticleMaterial& DefaultParticleMaterial;
