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

}  // namespace

void NMaterial::Members(MemberTable<NMaterial>& m) {
    m.Add<&NMaterial::Shader>("Shader");
}

void NMaterial::Init() {
    if (kind) {
        InitTextures();
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
    if (kind) {
        PrepareTextures();
    }
}

// An absent texture is reported, and drawn as untextured.
void NMaterial::InitTextures() const {
    for (const TextureMember& texture : kind->textures) {
        if (!texture.field) {
            continue;
        }
        if (NTexture* member = this->*texture.field) {
            member->Init();
        } else {
            Con.Error("%s: no %s is present", kind->name, texture.name);
        }
    }
}

// Leaves unit 1 active.
void NMaterial::PrepareTextures() const {
    if (kind->samplerWarnings) {
        SetSamplerConstants(*kind->samplerWarnings);
    }
    for (int unit = 0; unit < 2; ++unit) {
        const TextureMember& texture = kind->textures[unit];
        BindOnUnit(texture.field ? this->*texture.field : nullptr, unit);
    }
}

void NMaterial::SetSamplerConstants(SamplerWarnings& warned) const {
    // A program that was never built has no constants to look up.
    if (!Shader || Shader->Program() == 0 || !Ext.glGetUniformLocationARB || !Ext.glUniform1iARB) {
        return;
    }
    SetSampler(Shader->Program(), "Texture0", 0, warned.texture0);
    SetSampler(Shader->Program(), "Texture1", 1, warned.texture1);
}
