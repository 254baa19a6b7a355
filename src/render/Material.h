// What a drawable draws with: a shader, textures, and a fixed set of OpenGL states,
// plus the vertex layout that the meshes drawn with it fill.
#pragma once

#include <GL/gl.h>
#include <GL/glext.h>

#include "reflect/Class.h"
#include "reflect/MemberTable.h"
#include "render/VertexLayout.h"

class NShader;
class NTexture;

class NMaterial : public NClass {
  public:
    NClass* Create() override { return new NMaterial; }
    // Called by every drawable that uses the material; the shader builds only once.
    // A material without a shader is reported each time.
    void Init() override;
    // Sets the material's state right before a drawable submits its vertices; here,
    // makes the shader's program current (none without a shader).
    virtual void Render();
    static void Members(MemberTable<NMaterial>& m);

    NShader* Shader = nullptr;
    // Set by each concrete material; none in the base.
    const VertexLayout* vertexLayout = nullptr;

    // The fixed-function state of one kind of material. Blending, when its function is
    // set, is always source alpha over one minus source alpha.
    struct DrawState {
        bool setBlendFunction;
        bool blending;
        GLenum shadeModel;
        bool depthTest;
        bool culling;
        bool depthWrites;
        bool normalize;
    };
    // Whether a material class has logged its missing samplers, once per process.
    struct SamplerWarnings {
        bool texture0 = false;
        bool texture1 = false;
    };

  protected:
    static void ApplyDrawState(const DrawState& state);
    // Inits a texture member; one that is absent is reported, and drawn as untextured.
    static void InitTexture(NTexture* texture, const char* material, const char* member);
    // Makes `unit` active and binds `texture` there; without a texture that can be
    // bound, turns 2D texturing off on that unit instead.
    static void BindOnUnit(NTexture* texture, int unit);
    static void DisableTexturingOnUnit(int unit);
    // Points the program's samplers "Texture0" and "Texture1" at units 0 and 1. The
    // shader's program must be current.
    void SetSamplerConstants(SamplerWarnings& warned) const;
};
