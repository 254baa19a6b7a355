#include "render/ParticleMaterial.h"

#include "render/Texture.h"

void NParticleMaterial::Members(MemberTable<NParticleMaterial>& m) {
    m.Add<&NParticleMaterial::Texture>("Texture");
}
