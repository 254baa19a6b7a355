// Offline shader compilation: the problems, with the file and line they belong to.
#include "check/ShaderCheck.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const ShaderSource kVertex = {"a.vert",
                              "varying vec2 uv;\n"
                              "void main() {\n"
                              "    uv = gl_MultiTexCoord0.xy;\n"
                              "    gl_Position = gl_ModelViewProjectionMatrix * gl_Vertex;\n"
                              "}\n"};

ShaderSource Fragment(const std::string& body) {
    return {"b.frag", "uniform sampler2D Texture0;\nvarying vec2 uv;\n" + body};
}

}  // namespace

TEST(ShaderCheck, ThePlayersGlslCompilesCleanly) {
    // No #version: GLSL 1.10 with the fixed-function built-ins the materials use.
    const std::vector<ShaderProblem> problems = CompileShaderPair(
        kVertex, Fragment("void main() { gl_FragColor = texture2D(Texture0, uv); }\n"));
    EXPECT_TRUE(problems.empty()) << problems.front().text;
}

TEST(ShaderCheck, EachStagesErrorsNameTheirFileAndLineWithoutTheCompilersSummary) {
    const ShaderSource vertex = {"a.vert", "void main() {\n    gl_Position = ftransform()\n}\n"};
    const std::vector<ShaderProblem> problems = CompileShaderPair(
        vertex, Fragment("void main() {\n    gl_FragColor = texture2D(Texture0, uv) * tint;\n}\n"));
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_FALSE(problems[0].warning);
    EXPECT_EQ(problems[0].file, "a.vert");
    EXPECT_EQ(problems[0].line, 3);
    EXPECT_NE(problems[0].text.find("syntax error"), std::string::npos) << problems[0].text;
    EXPECT_EQ(problems[1].file, "b.frag");
    EXPECT_EQ(problems[1].line, 4);
    EXPECT_EQ(problems[1].text, "'tint' : undeclared identifier");
}

TEST(ShaderCheck, ProgramProblemsBelongToNeitherFile) {
    // Each stage compiles on its own; only the link finds that one has no main.
    const std::vector<ShaderProblem> problems =
        CompileShaderPair(kVertex, Fragment("float unused() { return 1.0; }\n"));
    ASSERT_FALSE(problems.empty());
    EXPECT_EQ(problems[0].file, "");
    EXPECT_EQ(problems[0].line, 0);
    EXPECT_NE(problems[0].text.find("entry point"), std::string::npos) << problems[0].text;
}

TEST(ShaderCheck, CompilerLogLinesBecomeProblems) {
    const std::vector<ShaderProblem> problems = ReadCompilerLog(
        "WARNING: 0:7: 'x' : something odd \n"
        "ERROR: 0:9: '' : compilation terminated \n"
        "ERROR: 2 compilation errors.  No code generated.\n"
        "ERROR: unplaced problem\n"
        "\n",
        "c.frag");
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_TRUE(problems[0].warning);
    EXPECT_EQ(problems[0].line, 7);
    EXPECT_EQ(problems[0].text, "'x' : something odd");
    EXPECT_FALSE(problems[1].warning);
    EXPECT_EQ(problems[1].line, 0);
    EXPECT_EQ(problems[1].text, "unplaced problem");
}
