#include "render/SpriteMaterial.h"

#include "render/Texture.h"

namespace {

// Missing samplers are logged once per process for this class.
NMaterial::SamplerWarnings samplerWarnings;

constexpr NMaterial::Kind kSpriteKind{.name = "SpriteMaterial",
                                      .state = {.setBlendFunction = true,
                                                .blending = true,
                                                .shadeModel = ShadeModel::kFlat,
                                                .depthTest = false,
                                                .culling = false,
                                                .depthWrites = false,
                                                .normalize = true},
                                      .layout = &kSpriteLayout,
                                      .textures = {{&NSpriteMaterial::Texture0, "Texture0"},
                                                   {&NSpriteMaterial::Texture1, "Texture1"}},
                                      .samplerWarnings = &samplerWarnings};

}  // namespace

NSpriteMaterial::NSpriteMaterial() : NMaterial(kSpriteKind) {}

void NSpriteMaterial::Members(MemberTable<NSpriteMaterial>& m) {
    m.Add<&NSpriteMaterial::Texture0>("Texture0");
    m.Add<&NSpriteMaterial::Texture1>("Texture1");
}
