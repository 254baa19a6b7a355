#include "render/Shader.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "RenderTestSupport.h"

namespace {

using test::LogText;

class ShaderTest : public test::RenderTest {
  protected:
    static void Name(NShader& shader, const char* vertex, const char* fragment) {
        shader.VertexShaderFilename = vertex ? strdup(vertex) : nullptr;
        shader.FragmentShaderFilename = fragment ? strdup(fragment) : nullptr;
    }

    NShader shader;
};

}  // namespace

TEST_F(ShaderTest, BuildsFromItsTwoFilesOnceAndOnlyWithAContext) {
    Name(shader, "plain.vert", "blue.frag");
    shader.Init();
    EXPECT_EQ(shader.Program(), 0u);
    OPEN_SURFACE_OR_SKIP();
    shader.Init();
    const GLhandleARB program = shader.Program();
    ASSERT_NE(program, 0u);
    // A second Init reads nothing.
    std::filesystem::remove(dir / "blue.frag");
    shader.Init();
    EXPECT_EQ(LogText(), "");
    EXPECT_EQ(shader.Program(), program);
    shader.Render();
    EXPECT_EQ(CurrentProgram(), program);
}

TEST_F(ShaderTest, AWarningIsPrintedUncountedAndTheProgramIsUsed) {
    // Mesa does not compile a source it finds in its disk cache, and then has no
    // warning to tell.
    setenv("MESA_SHADER_CACHE_DISABLE", "true", 1);
    OPEN_SURFACE_OR_SKIP();
    test::WriteFile(dir / "warns.frag",
                    "#extension GL_NIMBUS_none : warn\n" + std::string(test::kBlueFragment));
    Name(shader, "plain.vert", "warns.frag");
    shader.Init();
    const std::string log = LogText();
    EXPECT_EQ(log.rfind("\r\nShader Compilation Results:\r\n", 0), 0u) << log;
    EXPECT_NE(log.find("warning"), std::string::npos) << log;
    shader.Render();
    EXPECT_EQ(CurrentProgram(), shader.Program());
    EXPECT_EQ(Con.ErrorCount(), 0);
}

TEST_F(ShaderTest, MissingSourcesAreReportedOnceAndLeaveFixedFunction) {
    OPEN_SURFACE_OR_SKIP();
    Name(shader, "plain.vert", "missing.frag");
    shader.Init();
    shader.Init();
    EXPECT_EQ(LogText(), "NStdIO::Load: file [missing.frag] not found\r\n");
    EXPECT_EQ(Con.ErrorCount(), 0);
    NShader unnamed;
    unnamed.Init();
    EXPECT_EQ(Con.ErrorCount(), 2);
    EXPECT_NE(LogText().find("Error: NShader: missing VertexShaderFilename\r\n"
                             "Error: NShader: missing FragmentShaderFilename\r\n"),
              std::string::npos);

    NShader working;
    Name(working, "plain.vert", "blue.frag");
    working.Init();
    working.Render();
    shader.Render();
    EXPECT_EQ(CurrentProgram(), 0u);
}
