#include "scene/View.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>

#include "SceneTestSupport.h"
#include "render/DisplayTestSupport.h"
#include "render/OpenGLSurface.h"
#include "scene/Camera.h"
#include "scene/OrthoView.h"

namespace {

Matrix44 Projection() {
    Matrix44 m;
    glGetFloatv(GL_PROJECTION_MATRIX, m.m);
    return m;
}

// The perspective matrix of a camera with the near plane at 1.
Matrix44 Perspective(double degrees, double aspect, double farZ) {
    const double focal = 1.0 / std::tan(degrees * M_PI / 360.0);
    Matrix44 m = {};
    m.m[0] = static_cast<float>(focal / aspect);
    m.m[5] = static_cast<float>(focal);
    m.m[10] = static_cast<float>((farZ + 1.0) / (1.0 - farZ));
    m.m[11] = -1.0f;
    m.m[14] = static_cast<float>(2.0 * farZ / (1.0 - farZ));
    return m;
}

GLubyte GreenAt(int x, int y) {
    GLubyte rgba[4] = {};
    glReadBuffer(GL_BACK);
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    return rgba[1];
}

void GreenQuad(float x0, float y0, float x1, float y1) {
    glColor3f(0.0f, 1.0f, 0.0f);
    glBegin(GL_QUADS);
    glVertex2f(x0, y0);
    glVertex2f(x1, y0);
    glVertex2f(x1, y1);
    glVertex2f(x0, y1);
    glEnd();
}

void ClearToBlackWithIdentityModelView() {
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

class ViewTest : public testing::Test {
  protected:
    void SetUp() override {
        Con.EnableBuffer(true);
        SKIP_WITHOUT_DISPLAY();
        surface.Open();
        ASSERT_TRUE(surface.HasRenderingContext()) << test::LogText();
        surface.BeginFrame();
    }

    NOpenGLSurface surface;
};

}  // namespace

TEST_F(ViewTest, CameraLoadsThePerspectiveOfItsAngleAndTheSurfaceAspect) {
    NCamera standard;
    glClearDepth(0.25);
    standard.Apply();
    test::ExpectNear(Projection(), Perspective(90, 640.0 / 480.0, 1000));
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_PROJECTION);
    GLfloat clearDepth = 0;
    glGetFloatv(GL_DEPTH_CLEAR_VALUE, &clearDepth);
    EXPECT_EQ(clearDepth, 1.0f);  // FarZ, clamped

    NCamera narrow;
    narrow.ViewAngle = 60;
    narrow.FarZ = 50;
    narrow.Apply();
    test::ExpectNear(Projection(), Perspective(60, 640.0 / 480.0, 50));
    EXPECT_EQ(Con.ErrorCount(), 0) << test::LogText();
}

TEST_F(ViewTest, CameraWithoutActiveSurfaceReportsAndKeepsTheProjection) {
    NOrthoView flat;
    flat.Apply();
    const Matrix44 before = Projection();
    surface.EndFrame();
    NCamera camera;
    camera.Apply();
    EXPECT_EQ(test::LogText(), "Error: NCamera: no surface is active for rendering\r\n");
    test::ExpectNear(Projection(), before, 0);
}

TEST_F(ViewTest, OrthoViewIsAFixedFrameWithYGrowingDownward) {
    NOrthoView view;
    view.Apply();
    ClearToBlackWithIdentityModelView();
    GreenQuad(-1.0f, -0.75f, -0.9f, -0.65f);
    GreenQuad(0.9f, 0.65f, 1.0f, 0.75f);
    // Window rows count from the bottom in glReadPixels.
    EXPECT_EQ(GreenAt(2, 477), 255);  // top left
    EXPECT_EQ(GreenAt(637, 2), 255);  // bottom right
    EXPECT_EQ(GreenAt(2, 2), 0);      // bottom left stays clear
    EXPECT_EQ(GreenAt(637, 477), 0);  // top right stays clear
    EXPECT_EQ(Con.ErrorCount(), 0) << test::LogText();
}
