#include "render/Material.h"

#include "base/Con.h"
#include "render/Shader.h"
#include "render/Texture.h"

namespace {

void SetSampler(ProgramHandle program, const char* name, int unit, bool& warned) {
    if (!CurrentRenderer().SetSampler(program, name, unit) && !warned) {
        Con.PrintLine("Missing Shader Constant: %s", name);
        warned = true;
    }
}

// Points the program's samplers "Texture0" and "Texture1" at units 0 and 1. The
// shader's program must be current.
void SetSamplerConstants(const NShader* shader, NMaterial::SamplerWarnings& warned) {
    // A program that was never built has no constants to look up.
    if (!shader || shader->Program() == 0) {
        return;
    }
    SetSampler(shader->Program(), "Texture0", 0, warned.texture0);
    SetSampler(shader->Program(), "Texture1", 1, warned.texture1);
}

}  // namespace

void NMaterial::Members(MemberTable<NMaterial>& m) {
    m.Add<&NMaterial::Shader>("Shader");
}

void NMaterial::Init() {
    // An absent texture is reported, and drawn as untextured.
    for (int unit = 0; kind && unit < 2; ++unit) {
        const TextureMember& texture = kind->textures[unit];
        if (!texture.field) {
            continue;
        }
        if (NTexture* member = this->*texture.field) {
            member->Init();
        } else {
            Con.Error("%s: no %s is present", kind->name, texture.name);
        }
    }
    if (Shader) {
        Shader->Init();
    } else {
        Con.Error("Material: no shader is present");
    }
}

void NMaterial::Render() {
    if (kind) {
        CurrentRenderer().ApplyDrawState(kind->state);
    }
    if (Shader) {
        Shader->Render();
    }
    if (!kind) {
        return;
    }
    if (kind->samplerWarnings) {
        SetSamplerConstants(Shader, *kind->samplerWarnings);
    }
    // Leaves unit 1 active.
    for (int unit = 0; unit < 2; ++unit) {
        const TextureMember& texture = kind->textures[unit];
        BindTextureOnUnit(texture.field ? this->*texture.field : nullptr, unit);
    }
}
