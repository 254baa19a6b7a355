#include "render/N2DColorTex2Material.h"

#include "render/Texture.h"

namespace {

constexpr NMaterial::DrawState k2DColorTex2State{.setBlendFunction = true,
                                                 .blending = true,
                                                 .shadeModel = GL_SMOOTH,
                                                 .depthTest = true,
                                                 .culling = false,
                                                 .depthWrites = false,
                                                 .normalize = false};

// Missing samplers are logged once per process for this class.
NMaterial::SamplerWarnings samplerWarnings;

}  // namespace

void N2DColorTex2Material::Members(MemberTable<N2DColorTex2Material>& m) {
    m.Add<&N2DColorTex2Material::Texture0>("Texture0");
    m.Add<&N2DColorTex2Material::Texture1>("Texture1");
}

void N2DColorTex2Material::Init() {
    InitTexture(Texture0, "_2DColorTex2Material", "Texture0");
    InitTexture(Texture1, "_2DColorTex2Material", "Texture1");
    NMaterial::Init();
}

void N2DColorTex2Material::Render() {
    ApplyDrawState(k2DColorTex2State);
    NMaterial::Render();
    SetSamplerConstants(samplerWarnings);
    BindOnUnit(Texture0, 0);
    BindOnUnit(Texture1, 1);
}
