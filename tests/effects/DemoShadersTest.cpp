// The bundled production's shaders build on Mesa without a word from the compiler or
// the linker.
#include <gtest/gtest.h>

#include <string>

#include "render/RenderTestSupport.h"
#include "render/ShaderProgram.h"

namespace {

class DemoShadersTest : public test::RenderTest {};

std::string DemoFile(const std::string& name) {
    return test::ReadFile(std::string(NIMBUS_DEMO_DIR) + "/" + name);
}

}  // namespace

TEST_F(DemoShadersTest, EveryPairCompilesAndLinksWithAnEmptyLog) {
    OPEN_SURFACE_OR_SKIP();
    const std::pair<const char*, const char*> pairs[] = {
        {"BlueFogPhong.glvert", "BlueFogPhong.glfrag"},
        {"Sprite.glvert", "Sprite.glfrag"},
        {"CornerSprite.glvert", "ColorTex.glfrag"},
    };
    for (const auto& [vertexName, fragmentName] : pairs) {
        const std::string vertex = DemoFile(vertexName);
        const std::string fragment = DemoFile(fragmentName);
        ASSERT_FALSE(vertex.empty()) << vertexName;
        ASSERT_FALSE(fragment.empty()) << fragmentName;
        ClearLog();
        const GLhandleARB program =
            BuildProgram(vertex.data(), static_cast<int>(vertex.size()), fragment.data(),
                         static_cast<int>(fragment.size()));
        EXPECT_NE(program, 0u) << vertexName;
        EXPECT_EQ(test::LogText(), "") << vertexName << " + " << fragmentName;
        GLint linked = 0;
        Ext.glGetObjectParameterivARB(program, GL_OBJECT_LINK_STATUS_ARB, &linked);
        EXPECT_EQ(linked, 1) << vertexName;
    }
}
