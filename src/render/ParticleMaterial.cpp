#include "render/ParticleMaterial.h"

#include "render/Texture.h"

namespace {

constexpr NMaterial::DrawState kParticleState{.setBlendFunction = true,
                                              .blending = true,
                                              .shadeModel = GL_FLAT,
                                              .depthTest = false,
                                              .culling = false,
                                              .depthWrites = false,
                                              .normalize = true};

}  // namespace

void NParticleMaterial::Members(MemberTable<NParticleMaterial>& m) {
    m.Add<&NParticleMaterial::Texture>("Texture");
}

void NParticleMaterial::Init() {
    InitTexture(Texture, "ParticleMaterial", "Texture");
    NMaterial::Init();
}

void NParticleMaterial::Render() {
    ApplyDrawState(kParticleState);
    NMaterial::Render();
    BindOnUnit(Texture, 0);
    DisableTexturingOnUnit(1);
}
