#include "render/N2DColorTexMaterial.h"

#include "render/Texture.h"

// Blending is off, so its function is left as it was.
constexpr NMaterial::Kind k2DColorTexKind{.name = "_2DColorTexMaterial",
                                          .state = {.setBlendFunction = false,
                                                    .blending = false,
                                                    .shadeModel = ShadeModel::kSmooth,
                                                    .depthTest = false,
                                                    .culling = false,
                                                    .depthWrites = false,
                                                    .normalize = false},
                                          .layout = &kColorTextureLayout,
                                          .textures = {{&N2DColorTexMaterial::Texture, "Texture"}}};

N2DColorTexMaterial::N2DColorTexMaterial() : NMaterial(k2DColorTexKind) {}

void N2DColorTexMaterial::Members(MemberTable<N2DColorTexMaterial>& m) {
    m.Add<&N2DColorTexMaterial::Texture>("Texture");
}
