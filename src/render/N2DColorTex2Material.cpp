#include "render/N2DColorTex2Material.h"

#include "render/Texture.h"

namespace {

// Missing samplers are logged once per process for this class.
NMaterial::SamplerWarnings samplerWarnings;

constexpr NMaterial::Kind k2DColorTex2Kind{
    .name = "_2DColorTex2Material",
    .state = {.setBlendFunction = true,
              .blending = true,
              .shadeModel = ShadeModel::kSmooth,
              .depthTest = true,
              .culling = false,
              .depthWrites = false,
              .normalize = false},
    .layout = &kTwoTextureLayout,
    .textures = {{&N2DColorTex2Material::Texture0, "Texture0"},
                 {&N2DColorTex2Material::Texture1, "Texture1"}},
    .samplerWarnings = &samplerWarnings};

}  // namespace

N2DColorTex2Material::N2DColorTex2Material() : NMaterial(k2DColorTex2Kind) {}

void N2DColorTex2Material::Members(MemberTable<N2DColorTex2Material>& m) {
    m.Add<&N2DColorTex2Material::Texture0>("Texture0");
    m.Add<&N2DColorTex2Material::Texture1>("Texture1");
}
