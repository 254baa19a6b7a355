#include "render/SpriteMaterial.h"

#include "render/Shader.h"
#include "render/ShaderProgram.h"
#include "render/Texture.h"

namespace {

constexpr NMaterial::DrawState kSpriteState{.setBlendFunction = true,
                                            .blending = true,
                                            .shadeModel = GL_FLAT,
                                            .depthTest = false,
                                            .culling = false,
                                            .depthWrites = false,
                                            .normalize = true};

// Missing samplers are logged once per process for this class.
NMaterial::SamplerWarnings samplerWarnings;

}  // namespace

void NSpriteMaterial::Members(MemberTable<NSpriteMaterial>& m) {
    m.Add<&NSpriteMaterial::Texture0>("Texture0");
    m.Add<&NSpriteMaterial::Texture1>("Texture1");
}

void NSpriteMaterial::Init() {
    InitTexture(Texture0, "SpriteMaterial", "Texture0");
    InitTexture(Texture1, "SpriteMaterial", "Texture1");
    NMaterial::Init();
}

void NSpriteMaterial::Render() {
    ApplyDrawState(kSpriteState);
    if (Shader) {
        UseProgram(Shader->Program());
    }
    SetSamplerConstants(samplerWarnings);
    BindOnUnit(Texture0, 0);
    BindOnUnit(Texture1, 1);
}
