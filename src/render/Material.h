// What a drawable draws with: a shader, textures, and a fixed draw state, plus the
// vertex layout that the meshes drawn with it fill.
#pragma once

#include "reflect/Class.h"
#include "reflect/MemberTable.h"
#include "render/Renderer.h"
#include "render/VertexLayout.h"

class NShader;
class NTexture;

class NMaterial : public NClass {
  public:
    // Whether a material class has logged its missing samplers, once per process.
    struct SamplerWarnings {
        bool texture0 = false;
        bool texture1 = false;
    };
    // A texture member of a concrete material, and the name its messages give it.
    struct TextureMember {
        constexpr TextureMember() = default;
        template <class M>
        constexpr TextureMember(NTexture* M::*member, const char* name)
            : field(static_cast<NTexture * NMaterial::*>(member)), name(name) {}

        NTexture* NMaterial::*field = nullptr;
        const char* name = nullptr;
    };
    // All that tells one concrete material from another.
    struct Kind {
        const char* name;  // as its messages give it
        DrawState state;
        const VertexLayout* layout;
        // Bound on units 0 and 1; without a second member, unit 1 draws untextured.
        TextureMember textures[2];
        // Set for the kinds whose shader samples "Texture0" and "Texture1".
        SamplerWarnings* samplerWarnings = nullptr;
    };

    NMaterial() = default;
    NClass* Create() override { return new NMaterial; }
    // Called by every drawable that uses the material: inits the textures, then the
    // shader, which builds only once. A material without a shader is reported each time.
    void Init() override;
    // Sets the material's state right before a drawable submits its vertices: the draw
    // state, the shader's program (none without a shader), then the textures.
    virtual void Render();
    static void Members(MemberTable<NMaterial>& m);

    NShader* Shader = nullptr;
    // Set by each concrete material; none in the base.
    const VertexLayout* vertexLayout = nullptr;

  protected:
    // `kind` lives for the whole process.
    explicit NMaterial(const Kind& kind) : vertexLayout(kind.layout), kind(&kind) {}

  private:
    // Null in the base, which has neither draw state nor textures.
    const Kind* kind = nullptr;
};
