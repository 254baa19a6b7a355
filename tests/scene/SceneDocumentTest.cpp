// A scene written as a document: compiled through the registry, then initialised
// and played for a few frames on a real surface.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <string>

#include "SceneTestSupport.h"
#include "TestSupport.h"
#include "app/ClassTable.h"
#include "base/FrameTime.h"
#include "document/NimbusDocument.h"
#include "io/Data.h"
#include "render/DisplayTestSupport.h"
#include "render/OpenGLSurface.h"
#include "scene/Camera.h"
#include "scene/PAANode.h"
#include "scene/PTRNode.h"

namespace {

const char kDocument[] = R"(<Nimbus>
<Camera Name="Cam"><float Role="ViewAngle">60</float></Camera>
<PTRNode Name="Eye">
  <BSVectValue Role="Position">
    <Key Time="0">0 0 10</Key><Key Time="1">0 0 20</Key><Key Time="2">0 0 30</Key>
  </BSVectValue>
  <Vector Role="Target">0 0 0</Vector>
  <Float Role="Roll">0</Float>
  <Camera Role="Object" Name="Cam"/>
</PTRNode>
<PAANode Name="Arm">
  <LinVectValue Role="Position"><Key Time="0">0 0 0</Key><Key Time="2">4 0 0</Key></LinVectValue>
  <Float Role="RotationAngle">1.5707963</Float>
  <Vector Role="RotationAxis">0 0 1</Vector>
  <TransformNodeContent Role="Object"/>
</PAANode>
<PAANode Name="Hand">
  <Vector Role="Position">1 0 0</Vector>
  <Float Role="RotationAngle">0</Float>
  <Vector Role="RotationAxis">0 1 0</Vector>
  <View Role="Object"/>
</PAANode>
<Scene Name="Show">
  <Camera Role="View2D" Name="Cam"/>
  <Camera Role="View3D" Name="Cam"/>
  <TransformNode Role="Nodes" Container="Tree">
    <PTRNode Name="Eye"/>
    <PAANode Name="Arm"><PAANode Name="Hand"/></PAANode>
  </TransformNode>
</Scene>
</Nimbus>
)";

NClass* Named(NimbusDocument& document, const char* name) {
    for (DocNode* node = document.Root().firstChild; node; node = node->next) {
        if (node->name && std::string(node->name) == name) {
            return node->object;
        }
    }
    return nullptr;
}

GLubyte RedAtCentre() {
    GLubyte rgba[4] = {};
    glReadBuffer(GL_BACK);
    glReadPixels(320, 240, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    return rgba[0];
}

}  // namespace

TEST(SceneDocument, KeyedSceneTreeWithCameraCompilesAndPlaysWithoutMessages) {
    SKIP_WITHOUT_DISPLAY();
    NClassRegistration();
    test::TempDir dir;
    NData store;
    store.Mount(kDirectoryMode, dir.Path().c_str());
    store.SetAsDefault(false);
    Con.EnableBuffer(true);
    test::WriteFile(dir / "show.xml", kDocument);
    NimbusDocument document;
    document.Load("show.xml");
    auto* scene = dynamic_cast<NScene*>(document.CompileAndFind("Scene"));
    ASSERT_NE(scene, nullptr) << test::LogText();
    auto* eye = dynamic_cast<NPTRNode*>(Named(document, "Eye"));
    auto* arm = dynamic_cast<NPAANode*>(Named(document, "Arm"));
    auto* hand = dynamic_cast<NPAANode*>(Named(document, "Hand"));
    auto* camera = dynamic_cast<NCamera*>(Named(document, "Cam"));
    ASSERT_TRUE(eye && arm && hand && camera);
    EXPECT_EQ(scene->View2D, camera);
    EXPECT_EQ(hand->parent, arm);

    NOpenGLSurface surface;
    surface.Open();
    ASSERT_TRUE(surface.HasRenderingContext()) << test::LogText();
    scene->Init();
    EXPECT_EQ(camera->node, eye);
    for (float time : {0.0f, 0.5f, 1.0f}) {
        CurrentTime = time;
        surface.BeginFrame();
        scene->Update();
        EXPECT_EQ(RedAtCentre(), 255);
        surface.EndFrame();
    }
    // At one second: the eye is at its second key, the arm halfway along its path.
    test::ExpectNear(MatrixTransformPoint(eye->world, {0, 0, 0}), {0, 0, 20});
    test::ExpectNear(MatrixTransformPoint(eye->worldInverse, {0, 0, 0}), {0, 0, -20});
    test::ExpectNear(MatrixTransformPoint(hand->world, {0, 0, 0}), {2, 1, 0});
    Matrix44 projection;
    glGetFloatv(GL_PROJECTION_MATRIX, projection.m);
    EXPECT_NEAR(projection.m[5], 1.7320508f, 1e-5f);  // 1 / tan(30 degrees)
    EXPECT_EQ(Con.ErrorCount(), 0) << test::LogText();
}
