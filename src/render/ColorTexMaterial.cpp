#include "render/ColorTexMaterial.h"

#include "render/Texture.h"

namespace {

constexpr NMaterial::DrawState kColorTexState{.setBlendFunction = true,
                                              .blending = true,
                                              .shadeModel = GL_SMOOTH,
                                              .depthTest = true,
                                              .culling = true,
                                              .depthWrites = true,
                                              .normalize = false};

}  // namespace

void NColorTexMaterial::Members(MemberTable<NColorTexMaterial>& m) {
    m.Add<&NColorTexMaterial::Texture>("Texture");
}

void NColorTexMaterial::Init() {
    InitTexture(Texture, "ColorTexMaterial", "Texture");
    NMaterial::Init();
}

void NColorTexMaterial::Render() {
    ApplyDrawState(kColorTexState);
    NMaterial::Render();
    BindOnUnit(Texture, 0);
    DisableTexturingOnUnit(1);
}
