#include "render/ColorTexMaterial.h"

#include "render/Texture.h"

constexpr NMaterial::Kind kColorTexKind{.name = "ColorTexMaterial",
                                        .state = {.setBlendFunction = true,
                                                  .blending = true,
                                                  .shadeModel = ShadeModel::kSmooth,
                                                  .depthTest = true,
                                                  .culling = true,
                                                  .depthWrites = true,
                                                  .normalize = false},
                                        .layout = &kColorTextureLayout,
                                        .textures = {{&NColorTexMaterial::Texture, "Texture"}}};

NColorTexMaterial::NColorTexMaterial() : NMaterial(kColorTexKind) {}

void NColorTexMaterial::Members(MemberTable<NColorTexMaterial>& m) {
    m.Add<&NColorTexMaterial::Texture>("Texture");
}
