#include "render/ShaderProgram.h"

#include <gtest/gtest.h>

#include <string>

#include "DisplayTestSupport.h"
#include "app/Con.h"
#include "render/Extensions.h"
#include "render/OpenGLSurface.h"

namespace {

using test::LogText;

const std::string kVertexSource =
    "void main() { gl_Position = gl_ModelViewProjectionMatrix * gl_Vertex; }\n";
const std::string kBlueSource = "void main() { gl_FragColor = vec4(0.0, 0.0, 1.0, 1.0); }\n";
const std::string kBrokenSource = "void main() { gl_FragColor = vec4(0.0, 0.0, 1.0, 1.0) }\n";

class ShaderProgram : public testing::Test {
  protected:
    void SetUp() override {
        Con.EnableBuffer(true);
        if (!test::DisplayAvailable()) {
            GTEST_SKIP() << "no display; the project's test command provides Xvfb";
        }
        surface.Open();
        ASSERT_TRUE(surface.HasRenderingContext()) << LogText();
        FetchExtensions();
    }

    GLhandleARB Build(const std::string& vertex, const std::string& fragment) {
        return BuildProgram(vertex.data(), static_cast<int>(vertex.size()), fragment.data(),
                            static_cast<int>(fragment.size()));
    }

    NOpenGLSurface surface;
};

// Draws a quad over the whole viewport and returns the colour at its centre.
void DrawQuadAndRead(GLubyte rgb[3]) {
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glBegin(GL_QUADS);
    glVertex2f(-1.0f, -1.0f);
    glVertex2f(1.0f, -1.0f);
    glVertex2f(1.0f, 1.0f);
    glVertex2f(-1.0f, 1.0f);
    glEnd();
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(320, 240, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb);
}

}  // namespace

TEST_F(ShaderProgram, AValidProgramBuildsSilentlyAndDraws) {
    // The sources need no terminating zero: their lengths bound them.
    const std::string vertex = kVertexSource + "garbage after the end";
    const GLhandleARB program =
        BuildProgram(vertex.data(), static_cast<int>(kVertexSource.size()), kBlueSource.data(),
                     static_cast<int>(kBlueSource.size()));
    EXPECT_NE(program, 0u);
    EXPECT_EQ(LogText().find("Shader Compilation Results"), std::string::npos) << LogText();
    EXPECT_EQ(Con.ErrorCount(), 0);

    surface.BeginFrame();
    UseProgram(program);
    EXPECT_EQ(Ext.glGetHandleARB(GL_PROGRAM_OBJECT_ARB), program);
    GLubyte rgb[3] = {};
    DrawQuadAndRead(rgb);
    EXPECT_EQ(rgb[0], 0);
    EXPECT_EQ(rgb[2], 255);

    UseProgram(0);
    EXPECT_EQ(Ext.glGetHandleARB(GL_PROGRAM_OBJECT_ARB), 0u);
    surface.EndFrame();
}

TEST_F(ShaderProgram, ABrokenShaderPrintsItsCompilerLogUncountedAndIsStillReturned) {
    const GLhandleARB program = Build(kVertexSource, kBrokenSource);
    EXPECT_NE(program, 0u);
    const std::string log = LogText();
    EXPECT_EQ(log.rfind("\r\nShader Compilation Results:\r\n", 0), 0u) << log;
    // The compiler's own message, not only the linker's note that a shader failed.
    EXPECT_NE(log.find("syntax error"), std::string::npos) << log;
    EXPECT_EQ(log.substr(log.size() - 4), "\r\n\r\n");
    EXPECT_EQ(Con.ErrorCount(), 0);
    // Used anyway, as the build does not check its status.
    UseProgram(program);
}

TEST_F(ShaderProgram, ALongBuildLogIsPrintedUpToItsCapacity) {
    std::string fragment = "void main() {\n";
    for (int i = 0; i < 60; ++i) {
        fragment += "  float v" + std::to_string(i) + " = undeclared" + std::to_string(i) + ";\n";
    }
    fragment += "  gl_FragColor = vec4(1.0);\n}\n";
    Build(kVertexSource, fragment);

    std::string log = LogText();
    std::erase(log, '\r');
    const std::string heading = "\nShader Compilation Results:\n";
    ASSERT_EQ(log.rfind(heading, 0), 0u) << log;
    ASSERT_EQ(log.substr(log.size() - 2), "\n\n");
    EXPECT_EQ(log.size() - heading.size() - 2, static_cast<size_t>(kProgramLogCapacity));
}

TEST(ShaderProgramWithoutDriver, BuildingWithoutShaderObjectsReportsAndReturnsZero) {
    Con.EnableBuffer(true);
    const char source[] = "void main() {}";
    EXPECT_EQ(BuildProgram(source, sizeof source - 1, source, sizeof source - 1), 0u);
    EXPECT_EQ(test::LogText(), "Error: BuildProgram: the driver offers no shader objects\r\n");
    EXPECT_EQ(Con.ErrorCount(), 1);
    UseProgram(0);  // no entry point: nothing happens
}
