// A fixture for tests that draw: a fresh folder as the default input, holding the
// shader sources below, and the real surface once a test opens it.
#pragma once

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <string>

#include "DisplayTestSupport.h"
#include "TestSupport.h"
#include "io/Data.h"
#include "io/IO.h"
#include "render/Extensions.h"
#include "render/OpenGLSurface.h"

namespace test {

inline const char kPlainVertex[] =
    "void main() { gl_Position = ftransform(); gl_TexCoord[0] = gl_MultiTexCoord0; }\n";
inline const char kBlueFragment[] = "void main() { gl_FragColor = vec4(0.0, 0.0, 1.0, 1.0); }\n";
// Both samplers are used, or the linker would drop them.
inline const char kTwoSamplerFragment[] =
    "uniform sampler2D Texture0;\n"
    "uniform sampler2D Texture1;\n"
    "void main() {\n"
    "    vec2 at = gl_TexCoord[0].xy;\n"
    "    gl_FragColor = texture2D(Texture0, at) * texture2D(Texture1, at);\n"
    "}\n";

inline GLint Integer(GLenum name) {
    GLint value = 0;
    glGetIntegerv(name, &value);
    return value;
}

class RenderTest : public testing::Test {
  protected:
    void SetUp() override {
        Con.EnableBuffer(true);
        store.Mount(kDirectoryMode, dir.Path().c_str());
        store.SetAsDefault(false);
        WriteFile(dir / "plain.vert", kPlainVertex);
        WriteFile(dir / "blue.frag", kBlueFragment);
        WriteFile(dir / "samplers.frag", kTwoSamplerFragment);
    }

    // Opens the window with its rendering context; false without a display.
    bool OpenSurface() {
        if (!DisplayAvailable()) {
            return false;
        }
        surface.Open();
        EXPECT_TRUE(surface.HasRenderingContext()) << LogText();
        FetchExtensions();
        return surface.HasRenderingContext();
    }

    void CopyTestImage(const std::string& name) {
        WriteFile(dir / name, ReadFile(TestDataPath("images/" + name)));
    }

    static void ClearLog() {
        Con.EnableBuffer(false);
        Con.EnableBuffer(true);
    }

    static GLhandleARB CurrentProgram() { return Ext.glGetHandleARB(GL_PROGRAM_OBJECT_ARB); }

    TempDir dir;
    NData store;
    NOpenGLSurface surface;
};

}  // namespace test

#define OPEN_SURFACE_OR_SKIP()                                                  \
    if (!OpenSurface()) {                                                       \
        GTEST_SKIP() << "no display; the project's test command provides Xvfb"; \
    }
