#include "scene/TransformNode.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <numbers>
#include <string>

#include "SceneTestSupport.h"
#include "app/ClassTable.h"
#include "reflect/ClassRegistration.h"
#include "scene/Camera.h"
#include "scene/IdentityNode.h"
#include "scene/PAANode.h"
#include "scene/PTRNode.h"

namespace {

using test::ExpectNear;

// A PAANode together with the value objects it reads.
struct Placed {
    Placed(Vector3 at, float angle, Vector3 axis)
        : position(test::Vect(at)), angle(test::Float(angle)), axis(test::Vect(axis)) {
        node.Position = &position;
        node.RotationAngle = &this->angle;
        node.RotationAxis = &this->axis;
    }
    NVectValue position;
    NFloatValue angle;
    NVectValue axis;
    NPAANode node;
};

// A tree node of the class table that is not a transform node.
class NOtherTreeNode : public NTreeNodeClass {
  public:
    NClass* Create() override { return new NOtherTreeNode; }
};

class TransformNodeTest : public testing::Test {
  protected:
    void SetUp() override {
        NClassRegistration();
        Con.EnableBuffer(true);
        root.Init();
    }

    NIdentityNode root;
};

}  // namespace

TEST_F(TransformNodeTest, ChildWorldIsParentWorldTimesLocalAndTheInversesRunTheOtherWay) {
    // Turn a quarter about z, then move to (1, 2, 3).
    Placed a({1, 2, 3}, std::numbers::pi_v<float> / 2, {0, 0, 1});
    Placed b({0.5f, 3, -7}, -2.1f, {0.6f, 0, 0.8f});
    NTransformNode plain;
    a.node.SetParent(&root);
    b.node.SetParent(&a.node);
    plain.SetParent(&b.node);
    a.node.Update();
    b.node.Update();
    plain.Update();

    ExpectNear(MatrixTransformPoint(a.node.world, {1, 0, 0}), {1, 3, 3});
    ExpectNear(MatrixTransformPoint(a.node.worldInverse, {1, 3, 3}), {1, 0, 0});
    ExpectNear(b.node.world, test::Product(a.node.world, b.node.local));
    ExpectNear(b.node.worldInverse, test::Product(b.node.localInverse, a.node.worldInverse));
    ExpectNear(test::Product(b.node.world, b.node.worldInverse), test::Identity());
    // A plain node adds nothing to its parent's space.
    ExpectNear(plain.world, b.node.world);
    ExpectNear(plain.worldInverse, b.node.worldInverse);
}

TEST_F(TransformNodeTest, LookAtNodeCarriesTheViewMatrixOfItsCamera) {
    NVectValue eye = test::Vect({0, 0, 5}), target = test::Vect({0, 0, 0});
    NFloatValue roll = test::Float(0.3f);
    NCamera camera;
    NPTRNode node;
    node.Position = &eye;
    node.Target = &target;
    node.Roll = &roll;
    node.Object = &camera;
    node.SetParent(&root);
    node.Init();
    node.Update();
    EXPECT_EQ(camera.node, &node);
    ExpectNear(MatrixTransformPoint(node.worldInverse, {0, 0, 0}), {0, 0, -5});
    ExpectNear(MatrixTransformPoint(node.worldInverse, {0, 1, 0}), {0, -1, -5});
    ExpectNear(MatrixTransformPoint(node.world, {0, 0, 0}), {0, 0, 5});
    EXPECT_EQ(Con.ErrorCount(), 0) << test::LogText();
}

TEST_F(TransformNodeTest, LeftOutParametersAndAMissingTargetAreReportedOnceAtSetUp) {
    std::string trace;
    test::TracedContent content(&trace, "c"), camera(&trace, "camera");
    NPAANode bare;
    bare.Object = &content;
    bare.SetParent(&root);
    NVectValue target = test::Vect({0, 0, -5});
    NPTRNode eyeless;
    eyeless.Target = &target;
    eyeless.SetParent(&bare);
    NPTRNode aimless;
    aimless.Position = &target;
    aimless.Object = &camera;
    aimless.SetParent(&root);
    NTransformNode* const nodes[] = {&bare, &eyeless, &aimless};
    for (NTransformNode* node : nodes) {
        node->Init();
    }
    for (int frame = 0; frame < 2; ++frame) {
        for (NTransformNode* node : nodes) {
            node->Update();
        }
    }
    char noTarget[64];
    snprintf(noTarget, sizeof noTarget, "Error: NCamera %p: no target\r\n\r\n",
             static_cast<void*>(&aimless));
    EXPECT_EQ(test::LogText(),
              "Error: PAANode: 'Position' is not set\r\n"
              "Error: PAANode: 'RotationAngle' is not set\r\n"
              "Error: PAANode: 'RotationAxis' is not set\r\n"
              "Error: PTRNode: 'Position' is not set\r\n"
              "Error: PTRNode: 'Roll' is not set\r\n"
              "Error: TransformNode [PTRNode]: Object is not set\r\n" +
                  std::string(noTarget) + "Error: PTRNode: 'Roll' is not set\r\n");
    EXPECT_EQ(Con.ErrorCount(), 8);
    // Missing parameters count as neutral; a node without a target stands still.
    EXPECT_EQ(trace, "c.init camera.init c.update c.update ");
    ExpectNear(bare.world, test::Identity());
    ExpectNear(MatrixTransformPoint(eyeless.world, {0, 0, 0}), {0, 0, 0});
    ExpectNear(MatrixTransformPoint(eyeless.worldInverse, {0, 0, -5}), {0, 0, -5});
    ExpectNear(aimless.world, test::Identity());
}

TEST_F(TransformNodeTest, TreeOperationsAcceptOnlyTransformNodesAndLeaveTheTreeOtherwise) {
    const ClassEntry other = Entry<NOtherTreeNode>("OtherTreeNode", kInherits, kContainerTree);
    ASSERT_TRUE(RegisterClasses(&other, 1));
    NOtherTreeNode stranger;
    NPAANode a, b, c;
    a.SetParent(&root);
    b.LinkAfter(&a);
    c.SetParent(&a);
    c.SetParent(&stranger);
    c.LinkAfter(&stranger);
    EXPECT_EQ(test::LogText(),
              "Error: SetParent: class OtherTreeNode is not a Transform Node\r\n"
              "Error: SetParent: class OtherTreeNode is not a Transform Node\r\n");
    EXPECT_EQ(root.firstChild, &a);
    EXPECT_EQ(a.next, &b);
    EXPECT_EQ(b.parent, &root);
    EXPECT_EQ(c.parent, &a);
    EXPECT_EQ(a.firstChild, &c);
    EXPECT_EQ(stranger.firstChild, nullptr);
    EXPECT_EQ(stranger.next, nullptr);
}
