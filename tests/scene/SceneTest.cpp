#include "scene/Scene.h"

#include <gtest/gtest.h>

#include <string>

#include "SceneTestSupport.h"
#include "app/ClassTable.h"
#include "app/Part.h"
#include "iso/TestScene01.h"
#include "render/VertexPool.h"
#include "scene/StillImage.h"
#include "scene/View.h"

namespace {

using test::TracedContent;
using test::TracedDrawable;

class TracedView : public NView {
  public:
    explicit TracedView(std::string* trace) : trace(trace) {}
    void Apply() override { *trace += "view.apply "; }

  private:
    std::string* trace;
};

class TracedImage : public NStillImage {
  public:
    explicit TracedImage(std::string* trace) : trace(trace) {}
    void Init() override { *trace += "image.init "; }
    void Update() override { *trace += "image.update "; }
    void Render() override { *trace += "image.render "; }

  private:
    std::string* trace;
};

// Needs room for eight vertices from the pool.
class PooledDrawable : public NDrawable {
  public:
    PooledDrawable() { Material = &material; }
    void Init() override {
        CurrentVertexPool->ReportVertices(8);
        NDrawable::Init();
    }

  private:
    QuietMaterial material;
};

class SceneTest : public testing::Test {
  protected:
    void SetUp() override {
        NClassRegistration();
        Con.EnableBuffer(true);
    }

    // A node below `parent` carrying `content`.
    NIdentityNode& Hang(NTransformNodeContent* content, NTransformNode* parent) {
        NIdentityNode& node = nodes[nodeCount++];
        node.Object = content;
        node.SetParent(parent);
        return node;
    }

    std::string trace;
    NScene scene;
    NIdentityNode nodes[8];
    int nodeCount = 0;
};

}  // namespace

TEST_F(SceneTest, FrameRunsBackgroundNodesParentFirstThenViewThenPassTwoThenPassOne) {
    TracedView view(&trace);
    TracedImage image(&trace);
    scene.View2D = &view;
    scene.BackgroundImage = &image;
    // Siblings run in the reverse order of attachment; drawables are drawn in the
    // reverse order of their Init.
    TracedDrawable a(&trace, "a"), b(&trace, "b"), c(&trace, "c");
    TracedContent a1(&trace, "a1"), a2(&trace, "a2");
    c.pass = 2;
    NIdentityNode& nodeA = Hang(&a, &scene.root);
    Hang(&b, &scene.root);
    Hang(&c, &scene.root);
    Hang(&a1, &nodeA);
    Hang(&a2, &nodeA);
    scene.Init();
    EXPECT_EQ(trace, "image.init c.init b.init a.init a2.init a1.init ");
    trace.clear();
    scene.Update();
    EXPECT_EQ(trace,
              "image.update image.render a2.update a1.update view.apply c.render2 a.render1 "
              "b.render1 ");
    EXPECT_EQ(CurrentScene, &scene);
    EXPECT_EQ(RenderPass, 1);
    EXPECT_EQ(Con.ErrorCount(), 0) << test::LogText();
}

TEST_F(SceneTest, SecondInitChangesNothingAndVertexNeedsCountForTheScene) {
    Nx pool;
    NView view;
    scene.View2D = &view;
    PooledDrawable drawable;
    Hang(&drawable, &scene.root);
    scene.Init();
    scene.Init();
    EXPECT_EQ(pool.LargestCount(), 8);
    EXPECT_EQ(scene.drawables.next, &drawable);
    EXPECT_EQ(drawable.next, nullptr);

    // Each frame hands the pool out anew.
    pool.Prepare();
    VertexRecord* first = pool.Allocate(8);
    ASSERT_NE(first, nullptr);
    scene.Update();
    EXPECT_EQ(pool.Allocate(8), first);
    EXPECT_EQ(Con.ErrorCount(), 0) << test::LogText();
}

TEST_F(SceneTest, MissingViewAndMaterialAreReportedOnceAndMissingBackgroundIsFine) {
    NDrawable drawable;
    Hang(&drawable, &scene.root);
    scene.Init();
    for (int frame = 0; frame < 3; ++frame) {
        scene.Update();
    }
    EXPECT_EQ(test::LogText(),
              "Error: Scene: 'View2D' is not set\r\n"
              "Error: Drawable: 'Material' is not set\r\n");
    EXPECT_EQ(Con.ErrorCount(), 2);
    EXPECT_EQ(scene.drawables.next, &drawable);
}

TEST_F(SceneTest, DrawableOnTwoNodesIsListedOnceAndOneOutsideAnySceneNowhere) {
    QuietMaterial material;
    NDrawable loose;
    loose.Material = &material;
    loose.Init();
    EXPECT_EQ(loose.prev, nullptr);

    NView view;
    scene.View2D = &view;
    TracedDrawable shared(&trace, "s");
    Hang(&shared, &scene.root);
    Hang(&shared, &scene.root);
    scene.Init();
    scene.Update();
    EXPECT_EQ(trace, "s.init s.init s.render1 ");
    EXPECT_EQ(scene.drawables.next, &shared);
    EXPECT_EQ(shared.next, nullptr);
    EXPECT_EQ(test::LogText(),
              "Error: Drawable [Drawable]: no scene is being initialised; it is never drawn\r\n"
              "Error: Drawable [(unregistered)]: already in a drawable list; it is drawn "
              "once\r\n");
}

TEST_F(SceneTest, SceneListAcceptsOnlyScenes) {
    NPart part;
    NTestScene01 derived;
    NScene second;
    scene.SetParent(&part);
    EXPECT_EQ(test::LogText(), "Error: SetParent: class Part is not a Scene\r\n");
    EXPECT_EQ(scene.prev, nullptr);
    EXPECT_EQ(part.next, nullptr);
    scene.SetParent(&derived);
    second.SetParent(&scene);
    EXPECT_EQ(derived.next, &scene);
    EXPECT_EQ(scene.next, &second);
    EXPECT_EQ(Con.ErrorCount(), 1);
}
