#include "render/N2DColorTexMaterial.h"

#include "render/Texture.h"

namespace {

// Blending is off, so its function is left as it was.
constexpr NMaterial::DrawState k2DColorTexState{.setBlendFunction = false,
                                                .blending = false,
                                                .shadeModel = GL_SMOOTH,
                                                .depthTest = false,
                                                .culling = false,
                                                .depthWrites = false,
                                                .normalize = false};

}  // namespace

void N2DColorTexMaterial::Members(MemberTable<N2DColorTexMaterial>& m) {
    m.Add<&N2DColorTexMaterial::Texture>("Texture");
}

void N2DColorTexMaterial::Init() {
    InitTexture(Texture, "_2DColorTexMaterial", "Texture");
    NMaterial::Init();
}

void N2DColorTexMaterial::Render() {
    ApplyDrawState(k2DColorTexState);
    NMaterial::Render();
    BindOnUnit(Texture, 0);
    DisableTexturingOnUnit(1);
}
