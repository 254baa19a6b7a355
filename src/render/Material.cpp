#include "render/Material.h"

#include "base/Con.h"
#include "render/Extensions.h"
#include "render/Shader.h"
#include "render/Texture.h"

namespace {

void SetCapability(GLenum capability, bool on) {
    if (on) {
        glEnable(capability);
    } else {
        glDisable(capability);
    }
}

// Makes texture unit `unit` active. Without multitexture unit 0 is the only unit there
// is, and any other is refused.
bool ActivateTextureUnit(int unit) {
    if (!Ext.glActiveTextureARB) {
        return unit == 0;
    }
    Ext.glActiveTextureARB(GL_TEXTURE0_ARB + unit);
    return true;
}

// Culling, when on, goes on before depth testing.
void ApplyDrawState(const NMaterial::DrawState& state) {
    if (state.setBlendFunction) {
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    }
    SetCapability(GL_BLEND, state.blending);
    glShadeModel(state.shadeModel);
    if (state.culling) {
        SetCapability(GL_CULL_FACE, true);
        SetCapability(GL_DEPTH_TEST, state.depthTest);
    } else {
        SetCapability(GL_DEPTH_TEST, state.depthTest);
        SetCapability(GL_CULL_FACE, false);
    }
    glDepthMask(state.depthWrites ? GL_TRUE : GL_FALSE);
    SetCapability(GL_NORMALIZE, state.normalize);
}

// Makes `unit` active and binds `texture` there; without a texture that can be bound,
// turns 2D texturing off on that unit instead.
void BindOnUnit(NTexture* texture, int unit) {
    if (!ActivateTextureUnit(unit)) {
        return;
    }
    if (!texture || texture->Bind() != 0) {
        glDisable(GL_TEXTURE_2D);
    }
}

void SetSampler(GLhandleARB program, const char* name, int unit, bool& warned) {
    const GLint location = Ext.glGetUniformLocationARB(program, name);
    if (location >= 0) {
        Ext.glUniform1iARB(location, unit);
    } else if (!warned) {
        Con.PrintLine("Missing Shader Constant: %s", name);
        warned = true;
    }
}

// Points the program's samplers "Texture0" and "Texture1" at units 0 and 1. The
// shader's program must be current.
void SetSamplerConstants(const NShader* shader, NMaterial::SamplerWarnings& warned) {
    // A program that was never built has no constants to look up.
    if (!shader || shader->Program() == 0 || !Ext.glGetUniformLocationARB || !Ext.glUniform1iARB) {
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
        ApplyDrawState(kind->state);
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
        BindOnUnit(texture.field ? this->*texture.field : nullptr, unit);
    }
}
