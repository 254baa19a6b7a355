#include "scene/TransformNode.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <numbers>
#include <string>

#include "SceneTestSupport.h"
#include "object/ClassRegistration.h"
#include "object/ClassTable.h"
#include "scene/Camera.h"
#include "scene/IdentityNode.h"
#include "scene/PAANode.h"
#include "scene/PTRNode.h"

namespace {

using test::ExpectNear;
using test::Log;

constexpr float kHalfPi = std::numbers::pi_v<float> / 2.0f;

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

TEST_F(TransformNodeTest, PAANodeTurnsAboutItsOriginThenMovesToItsPosition) {
    NVectValue position = test::Vect(1, 2, 3);
    NFloatValue angle = test::Float(kHalfPi);
    NVectValue axis = test::Vect(0, 0, 1);
    NPAANode node;
    node.Position = &position;
    node.RotationAngle = &angle;
    node.RotationAxis = &axis;
    node.SetParent(&root);
    node.Update();
    ExpectNear(MatrixTransformPoint(node.world, {1, 0, 0}), {1, 3, 3});
    ExpectNear(MatrixTransformPoint(node.worldInverse, {1, 3, 3}), {1, 0, 0});
}

TEST_F(TransformNodeTest, ChildWorldIsParentWorldTimesLocalAndTheInversesRunTheOtherWay) {
    NVectValue positionA = test::Vect(4, -1, 2), positionB = test::Vect(0.5f, 3, -7);
    NFloatValue angleA = test::Float(0.7f), angleB = test::Float(-2.1f);
    NVectValue axisA = test::Vect(0.6f, 0, 0.8f), axisB = test::Vect(0, 1, 0);
    NPAANode a, b;
    a.Position = &positionA;
    a.RotationAngle = &angleA;
    a.RotationAxis = &axisA;
    b.Position = &positionB;
    b.RotationAngle = &angleB;
    b.RotationAxis = &axisB;
    NTransformNode plain;
    a.SetParent(&root);
    b.SetParent(&a);
    plain.SetParent(&b);
    a.Update();
    b.Update();
    plain.Update();

    ExpectNear(b.world, test::Product(a.world, b.local));
    ExpectNear(b.worldInverse, test::Product(b.localInverse, a.worldInverse));
    ExpectNear(test::Product(b.world, b.worldInverse), test::Identity());
    ExpectNear(test::Product(b.local, b.localInverse), test::Identity());
    // A plain node adds nothing to its parent's space.
    ExpectNear(plain.world, b.world);
    ExpectNear(plain.worldInverse, b.worldInverse);
}

TEST_F(TransformNodeTest, LookAtNodeCarriesTheViewMatrixOfItsCamera) {
    NVectValue eye = test::Vect(0, 0, 5), target = test::Vect(0, 0, 0);
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
    EXPECT_EQ(Con.ErrorCount(), 0) << Log();
}

TEST_F(TransformNodeTest, LookAtNodeWithoutTargetIsReportedEachFrameAndStandsStill) {
    std::string trace;
    test::TracedContent content(&trace, "camera");
    NVectValue eye = test::Vect(0, 0, 5);
    NFloatValue roll = test::Float(0);
    NPTRNode node;
    node.Position = &eye;
    node.Roll = &roll;
    node.Object = &content;
    node.SetParent(&root);
    node.Init();
    node.Update();
    node.Update();
    EXPECT_EQ(Con.ErrorCount(), 2) << Log();
    char message[64];
    snprintf(message, sizeof message, "Error: NCamera %p: no target\r\n\r\n",
             static_cast<void*>(&node));
    EXPECT_EQ(Log(), std::string(message) + message);
    EXPECT_EQ(trace, "camera.init ");
    ExpectNear(node.world, test::Identity());
}

TEST_F(TransformNodeTest, ParametersLeftOutAreReportedOnceAtInitAndCountAsNeutral) {
    std::string trace;
    test::TracedContent content(&trace, "c");
    NPAANode bare;
    bare.Object = &content;
    bare.SetParent(&root);
    NVectValue target = test::Vect(0, 0, -5);
    NPTRNode eyeless;
    eyeless.Target = &target;
    eyeless.SetParent(&bare);
    bare.Init();
    eyeless.Init();
    EXPECT_EQ(Log(),
              "Error: PAANode: 'Position' is not set\r\n"
              "Error: PAANode: 'RotationAngle' is not set\r\n"
              "Error: PAANode: 'RotationAxis' is not set\r\n"
              "Error: PTRNode: 'Position' is not set\r\n"
              "Error: PTRNode: 'Roll' is not set\r\n"
              "Error: TransformNode [PTRNode]: Object is not set\r\n");
    for (int frame = 0; frame < 2; ++frame) {
        bare.Update();
        eyeless.Update();
    }
    EXPECT_EQ(Con.ErrorCount(), 6);
    EXPECT_EQ(trace, "c.init c.update c.update ");
    ExpectNear(bare.world, test::Identity());
    // The eye stays at the origin and still looks at the target.
    ExpectNear(MatrixTransformPoint(eyeless.world, {0, 0, 0}), {0, 0, 0});
    ExpectNear(MatrixTransformPoint(eyeless.worldInverse, {0, 0, -5}), {0, 0, -5});
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
    EXPECT_EQ(Log(),
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
