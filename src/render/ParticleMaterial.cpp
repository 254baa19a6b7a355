#include "render/ParticleMaterial.h"

#include "render/Texture.h"

constexpr NMaterial::Kind kParticleKind{.name = "ParticleMaterial",
                                        .state = {.setBlendFunction = true,
                                                  .blending = true,
                                                  .shadeModel = ShadeModel::kFlat,
                                                  .depthTest = false,
                                                  .culling = false,
                                                  .depthWrites = false,
                                                  .normalize = true},
                                        .layout = &kParticleLayout,
                                        .textures = {{&NParticleMaterial::Texture, "Texture"}}};

NParticleMaterial::NParticleMaterial() : NMaterial(kParticleKind) {}

void NParticleMaterial::Members(MemberTable<NParticleMaterial>& m) {
    m.Add<&NParticleMaterial::Texture>("Texture");
}
