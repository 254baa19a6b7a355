#include "render/Material.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <filesystem>
#include <memory>
#include <ostream>
#include <string>

#include "RenderTestSupport.h"
#include "app/ClassTable.h"
#include "document/NimbusDocument.h"
#include "image/Bitmap.h"
#include "render/ColorTexMaterial.h"
#include "render/N2DColorTex2Material.h"
#include "render/N2DColorTexMaterial.h"
#include "render/ParticleMaterial.h"
#include "render/Shader.h"
#include "render/ShaderProgram.h"
#include "render/SpriteMaterial.h"
#include "render/Texture.h"
#include "render/VertexPool.h"

namespace {

using test::Integer;
using test::LogText;

// The pool's records are filled as two-texture vertices.
static_assert(offsetof(VertexRecord, u0) == kTwoTextureLayout.texture[0].offset);
static_assert(offsetof(VertexRecord, u1) == kTwoTextureLayout.texture[1].offset);
static_assert(sizeof(VertexRecord) == kTwoTextureLayout.stride);

// A material kind and the state its Render leaves.
struct MaterialCase {
    const char* name;
    std::unique_ptr<NMaterial> (*make)(NTexture* first, NTexture* second);
    bool twoTextures;
    bool setsBlendFunction;
    bool blending;
    GLenum shadeModel;
    bool depthTest;
    bool culling;
    bool depthWrites;
    bool normalize;
    const VertexLayout* layout;
};

void PrintTo(const MaterialCase& c, std::ostream* out) {
    *out << c.name;
}

template <class M>
std::unique_ptr<NMaterial> WithTexture(NTexture* first, NTexture*) {
    auto material = std::make_unique<M>();
    material->Texture = first;
    return material;
}

template <class M>
std::unique_ptr<NMaterial> WithTwoTextures(NTexture* first, NTexture* second) {
    auto material = std::make_unique<M>();
    material->Texture0 = first;
    material->Texture1 = second;
    return material;
}

const MaterialCase kCases[] = {
    {"Particle", &WithTexture<NParticleMaterial>, false, true, true, GL_FLAT, false, false, false,
     true, &kParticleLayout},
    {"ColorTex", &WithTexture<NColorTexMaterial>, false, true, true, GL_SMOOTH, true, true, true,
     false, &kColorTextureLayout},
    {"TwoDColorTex", &WithTexture<N2DColorTexMaterial>, false, false, false, GL_SMOOTH, false,
     false, false, false, &kColorTextureLayout},
    {"TwoDColorTex2", &WithTwoTextures<N2DColorTex2Material>, true, true, true, GL_SMOOTH, true,
     false, false, false, &kTwoTextureLayout},
    {"Sprite", &WithTwoTextures<NSpriteMaterial>, true, true, true, GL_FLAT, false, false, false,
     true, &kSpriteLayout},
};

void SetCapability(GLenum capability, bool on) {
    on ? glEnable(capability) : glDisable(capability);
}

// A one-pixel texture of its own.
struct SolidTexture {
    SolidTexture() {
        bitmap.Width = bitmap.Height = 1;
        bitmap.Layout = {NBitmap::B08, NBitmap::GRAY, NBitmap::LEFT, NBitmap::DOWN};
        bitmap.AdoptPixels(new unsigned char[1]{200});
        texture.Bitmap = &bitmap;
    }

    NBitmap bitmap;
    NTexture texture;
};

class MaterialTest : public test::RenderTest {
  protected:
    void UseShader(const char* fragment) {
        shader.VertexShaderFilename = strdup("plain.vert");
        shader.FragmentShaderFilename = strdup(fragment);
    }

    GLint Uniform(const char* name) {
        GLint value = -1;
        Ext.glGetUniformivARB(shader.Program(), Ext.glGetUniformLocationARB(shader.Program(), name),
                              &value);
        return value;
    }

    void SetUniform(const char* name, GLint value) {
        Ext.glUniform1iARB(Ext.glGetUniformLocationARB(shader.Program(), name), value);
    }

    NShader shader;
    SolidTexture first;
    SolidTexture second;
};

class MaterialStateTest : public MaterialTest, public testing::WithParamInterface<MaterialCase> {
  protected:
    // Every state the material sets starts out the other way.
    void SetOppositeState(const MaterialCase& c) {
        glBlendFunc(GL_DST_COLOR, GL_ZERO);
        SetCapability(GL_BLEND, !c.blending);
        glShadeModel(c.shadeModel == GL_FLAT ? GL_SMOOTH : GL_FLAT);
        SetCapability(GL_DEPTH_TEST, !c.depthTest);
        SetCapability(GL_CULL_FACE, !c.culling);
        glDepthMask(c.depthWrites ? GL_FALSE : GL_TRUE);
        SetCapability(GL_NORMALIZE, !c.normalize);
        for (int unit = 1; unit >= 0; --unit) {
            Ext.glActiveTextureARB(GL_TEXTURE0_ARB + unit);
            glBindTexture(GL_TEXTURE_2D, 0);
            SetCapability(GL_TEXTURE_2D, unit == 1 && !c.twoTextures);
        }
        shader.Render();
        SetUniform("Texture0", 1);
        SetUniform("Texture1", 0);
        UseProgram(0);
    }
};

}  // namespace

TEST_P(MaterialStateTest, RenderSetsTheStateOfItsKind) {
    OPEN_SURFACE_OR_SKIP();
    const MaterialCase& c = GetParam();
    UseShader("samplers.frag");
    std::unique_ptr<NMaterial> material = c.make(&first.texture, &second.texture);
    material->Shader = &shader;
    material->Init();
    EXPECT_EQ(Con.ErrorCount(), 0) << LogText();
    EXPECT_EQ(material->vertexLayout, c.layout);
    SetOppositeState(c);

    material->Render();
    EXPECT_EQ(glIsEnabled(GL_BLEND), c.blending);
    EXPECT_EQ(Integer(GL_BLEND_SRC), c.setsBlendFunction ? GL_SRC_ALPHA : GL_DST_COLOR);
    EXPECT_EQ(Integer(GL_BLEND_DST), c.setsBlendFunction ? GL_ONE_MINUS_SRC_ALPHA : GL_ZERO);
    EXPECT_EQ(Integer(GL_SHADE_MODEL), static_cast<GLint>(c.shadeModel));
    EXPECT_EQ(glIsEnabled(GL_DEPTH_TEST), c.depthTest);
    EXPECT_EQ(glIsEnabled(GL_CULL_FACE), c.culling);
    EXPECT_EQ(Integer(GL_DEPTH_WRITEMASK), c.depthWrites);
    EXPECT_EQ(glIsEnabled(GL_NORMALIZE), c.normalize);
    EXPECT_EQ(CurrentProgram(), shader.Program());

    EXPECT_EQ(Integer(GL_ACTIVE_TEXTURE_ARB), GL_TEXTURE1_ARB);
    EXPECT_EQ(glIsEnabled(GL_TEXTURE_2D), c.twoTextures);
    if (c.twoTextures) {
        EXPECT_EQ(Integer(GL_TEXTURE_BINDING_2D), second.texture.TextureName());
        EXPECT_EQ(Uniform("Texture0"), 0);
        EXPECT_EQ(Uniform("Texture1"), 1);
    }
    Ext.glActiveTextureARB(GL_TEXTURE0_ARB);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_EQ(Integer(GL_TEXTURE_BINDING_2D), first.texture.TextureName());
    EXPECT_EQ(LogText().find("Missing Shader Constant"), std::string::npos) << LogText();
}

INSTANTIATE_TEST_SUITE_P(EveryKind, MaterialStateTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<MaterialCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(MaterialTest, MissingSamplersAreLoggedOncePerClassAndName) {
    OPEN_SURFACE_OR_SKIP();
    UseShader("blue.frag");
    NSpriteMaterial sprite;
    N2DColorTex2Material twoTextures;
    sprite.Shader = twoTextures.Shader = &shader;
    sprite.Texture0 = sprite.Texture1 = &first.texture;
    twoTextures.Texture0 = twoTextures.Texture1 = &first.texture;
    sprite.Init();
    twoTextures.Init();
    ClearLog();
    for (int frame = 0; frame < 2; ++frame) {
        sprite.Render();
        twoTextures.Render();
    }
    const char kBoth[] =
        "Missing Shader Constant: Texture0\r\nMissing Shader Constant: Texture1\r\n";
    EXPECT_EQ(LogText(), std::string(kBoth) + kBoth);
    EXPECT_EQ(Con.ErrorCount(), 0);
}

TEST_F(MaterialTest, WithoutShaderEveryInitIsReportedAndRenderBindsNoProgram) {
    OPEN_SURFACE_OR_SKIP();
    NMaterial material;
    material.Init();
    material.Init();
    EXPECT_EQ(LogText(),
              "Error: Material: no shader is present\r\nError: Material: no shader is present\r\n");
    UseShader("blue.frag");
    shader.Init();
    shader.Render();
    material.Render();
    NSpriteMaterial sprite;
    sprite.Render();
    EXPECT_EQ(CurrentProgram(), shader.Program());
    EXPECT_EQ(Con.ErrorCount(), 2);
}

TEST_F(MaterialTest, MaterialsSharingAShaderAndATextureBuildThemOnce) {
    OPEN_SURFACE_OR_SKIP();
    UseShader("blue.frag");
    NColorTexMaterial one;
    N2DColorTexMaterial other;
    one.Shader = other.Shader = &shader;
    one.Texture = other.Texture = &first.texture;
    one.Init();
    const GLhandleARB program = shader.Program();
    std::filesystem::remove(dir / "blue.frag");
    ClearLog();
    other.Init();
    other.Init();  // a material shared by two drawables
    EXPECT_EQ(LogText(), "");
    other.Render();
    EXPECT_EQ(CurrentProgram(), program);
}

TEST_F(MaterialTest, TextureProblemsAreReportedAndDrawUntextured) {
    OPEN_SURFACE_OR_SKIP();
    UseShader("blue.frag");
    NParticleMaterial untextured;
    untextured.Shader = &shader;
    untextured.Init();
    EXPECT_EQ(LogText(), "Error: ParticleMaterial: no Texture is present\r\n");

    test::WriteFile(dir / "broken.jpg", "not a picture");
    NBitmap bitmap;
    bitmap.SetName("broken.jpg");
    NTexture broken;
    broken.Bitmap = &bitmap;
    broken.filter = 0;  // would show on a texture left bound
    N2DColorTexMaterial material;
    material.Shader = &shader;
    material.Texture = &broken;
    material.Init();
    EXPECT_NE(LogText().find("Error: NBitmap: can not load <broken.jpg>\r\n"), std::string::npos)
        << LogText();

    // What an earlier drawable left on unit 0 is neither drawn nor changed.
    first.texture.Init();
    first.texture.Bind();
    untextured.Render();
    Ext.glActiveTextureARB(GL_TEXTURE0_ARB);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    material.Render();
    Ext.glActiveTextureARB(GL_TEXTURE0_ARB);
    EXPECT_EQ(Integer(GL_TEXTURE_BINDING_2D), 0);
    glBindTexture(GL_TEXTURE_2D, first.texture.TextureName());
    GLint minification = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minification);
    EXPECT_EQ(minification, GL_LINEAR_MIPMAP_LINEAR);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(MaterialTest, ADocumentNamingAJpegTextureUploadsItThroughItsMaterial) {
    OPEN_SURFACE_OR_SKIP();
    CopyTestImage("rgb256.jpg");
    test::WriteFile(dir / "show.xml",
                    "<Nimbus>\n"
                    "<Bitmap Name=\"B\"><string Role=\"Filename\">rgb256.jpg</string></Bitmap>\n"
                    "<Texture Name=\"T\"><Bitmap Role=\"Bitmap\" Name=\"B\"/></Texture>\n"
                    "<Shader Name=\"S\">"
                    "<string Role=\"VertexShaderFilename\">plain.vert</string>"
                    "<string Role=\"FragmentShaderFilename\">blue.frag</string></Shader>\n"
                    "<ColorTexMaterial Name=\"M\"><Shader Role=\"Shader\" Name=\"S\"/>"
                    "<Texture Role=\"Texture\" Name=\"T\"/></ColorTexMaterial>\n"
                    "</Nimbus>\n");
    NClassRegistration();
    NimbusDocument document;
    document.Load("show.xml");
    auto* material = dynamic_cast<NColorTexMaterial*>(document.CompileAndFind("ColorTexMaterial"));
    ASSERT_NE(material, nullptr) << LogText();
    ClearLog();
    material->Init();
    EXPECT_EQ(LogText(), "NTexture: Mipmapped 256x256, 3 channel(s), approx. 261488 bytes\r\n");
    EXPECT_EQ(Con.ErrorCount(), 0);
    material->Render();
    Ext.glActiveTextureARB(GL_TEXTURE0_ARB);
    EXPECT_EQ(Integer(GL_TEXTURE_BINDING_2D), material->Texture->TextureName());
    EXPECT_EQ(CurrentProgram(), material->Shader->Program());
}
