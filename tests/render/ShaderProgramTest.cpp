#include "render/ShaderProgram.h"

#include <gtest/gtest.h>

#include <string>

#include "DisplayTestSupport.h"
#include "render/Extensions.h"
#include "render/OpenGLSurface.h"

namespace {

using test::LogText;

const std::string kVertex = "void main() { gl_Position = gl_Vertex; }\n";
const std::string kBlue = "void main() { gl_FragColor = vec4(0.0, 0.0, 1.0, 1.0); }\n";

class ShaderProgram : public testing::Test {
  protected:
    void SetUp() override {
        Con.EnableBuffer(true);
        SKIP_WITHOUT_DISPLAY();
        surface.Open();
        ASSERT_TRUE(surface.HasRenderingContext()) << LogText();
        FetchExtensions();
    }

    static GLhandleARB Build(const std::string& fragment) {
        return BuildProgram(kVertex.data(), static_cast<int>(kVertex.size()), fragment.data(),
                            static_cast<int>(fragment.size()));
    }

    NOpenGLSurface surface;
};

}  // namespace

TEST_F(ShaderProgram, AValidProgramBuildsSilentlyAndDraws) {
    // The length bounds the text; no terminating zero is needed.
    const std::string fragment = kBlue + "garbage beyond the end";
    const GLhandleARB program = BuildProgram(kVertex.data(), static_cast<int>(kVertex.size()),
                                             fragment.data(), static_cast<int>(kBlue.size()));
    EXPECT_EQ(LogText(), "");
    surface.BeginFrame();
    UseProgram(program);
    glBegin(GL_QUADS);
    glVertex2f(-1.0f, -1.0f);
    glVertex2f(1.0f, -1.0f);
    glVertex2f(1.0f, 1.0f);
    glVertex2f(-1.0f, 1.0f);
    glEnd();
    GLubyte rgba[4] = {};
    glReadPixels(320, 240, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    EXPECT_EQ(rgba[2], 255);
    UseProgram(0);
    EXPECT_EQ(Ext.glGetHandleARB(GL_PROGRAM_OBJECT_ARB), 0u);
    surface.EndFrame();
}

TEST_F(ShaderProgram, ABrokenShaderPrintsTheCompilerLogUncountedAndIsStillReturned) {
    EXPECT_NE(Build("void main() { gl_FragColor = vec4(1.0) }\n"), 0u);
    const std::string log = LogText();
    EXPECT_EQ(log.rfind("\r\nShader Compilation Results:\r\n", 0), 0u) << log;
    // The compiler's own message, not only the linker's note that a shader failed.
    EXPECT_NE(log.find("syntax error"), std::string::npos) << log;
    EXPECT_EQ(log.substr(log.size() - 4), "\r\n\r\n");
    EXPECT_EQ(Con.ErrorCount(), 0);
}

TEST_F(ShaderProgram, ALongBuildLogIsPrintedUpToItsCapacity) {
    std::string fragment = "void main() {\n";
    for (int i = 0; i < 60; ++i) {
        fragment += "float v" + std::to_string(i) + " = undeclared" + std::to_string(i) + ";\n";
    }
    Build(fragment + "}\n");
    std::string log = LogText();
    std::erase(log, '\r');
    const std::string heading = "\nShader Compilation Results:\n";
    ASSERT_EQ(log.rfind(heading, 0), 0u) << log;
    EXPECT_EQ(log.size(), heading.size() + kProgramLogCapacity + 2);
}

TEST(ShaderProgramWithoutDriver, BuildingWithoutShaderObjectsReportsAndReturnsZero) {
    Con.EnableBuffer(true);
    const char source[] = "void main() {}";
    EXPECT_EQ(BuildProgram(source, sizeof source - 1, source, sizeof source - 1), 0u);
    EXPECT_EQ(test::LogText(), "Error: BuildProgram: the driver offers no shader objects\r\n");
    UseProgram(0);  // without the entry point nothing happens
}
