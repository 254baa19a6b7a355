// Plain arithmetic of the raytracer: block sizes, ray-sphere meetings, normals,
// screen rectangles, texture coordinates and the ray nodes' paths.
#include <gtest/gtest.h>

#include <cmath>

#include "base/FrameTime.h"
#include "base/ScalarMath.h"
#include "raytrace/BlockSizes.h"
#include "raytrace/RayInvSphere.h"
#include "raytrace/RayNode1.h"
#include "raytrace/SphereMath.h"

namespace {

BlockSizes Normalised(int32_t subdivision, int32_t minSize, int32_t maxSize) {
    BlockSizes sizes{subdivision, minSize, maxSize};
    NormaliseBlockSizes(sizes);
    return sizes;
}

void Place(NRaySphere& sphere, const Vector3& centre, float radius) {
    sphere.centre = centre;
    sphere.radius = radius;
}

}  // namespace

TEST(BlockSizes, BecomePowersOfTwoThatDivideTheScreen) {
    EXPECT_EQ(Normalised(1, 1, 20).maxSize, 16);
    EXPECT_EQ(Normalised(1, 1, 0).maxSize, 8);
    EXPECT_EQ(Normalised(1, 0, 16).minSize, 8);
    EXPECT_EQ(Normalised(1, 0, 4).minSize, 4);
    const BlockSizes raised = Normalised(1, 32, 4);
    EXPECT_EQ(raised.minSize, 32);
    EXPECT_EQ(raised.maxSize, 32);
    EXPECT_EQ(Normalised(1, 100, 100).maxSize, 32);
    EXPECT_EQ(Normalised(1, 3, 16).minSize, 2);
    // Without subdivision every block is of the largest size.
    EXPECT_EQ(Normalised(0, 1, 16).minSize, 16);
}

TEST(RaySphere, MeetsRaysFromOutsideAndTheRoomFromInside) {
    const Vector3 eye = {0, 0, 0};
    const Vector3 ahead = {0, 0, 1};
    float t = -1;
    NRaySphere sphere;
    Place(sphere, {0, 0, 100}, 10);
    ASSERT_TRUE(sphere.Intersect(eye, ahead, t));
    EXPECT_FLOAT_EQ(t, 90.0f);
    const Vector3 normal = sphere.Normal({0, 0, t});
    EXPECT_FLOAT_EQ(normal.z, -10.0f);
    EXPECT_FLOAT_EQ(normal.x, 0.0f);
    // The direction's length does not matter.
    ASSERT_TRUE(sphere.Intersect(eye, {0, 0, 2}, t));
    EXPECT_FLOAT_EQ(t, 45.0f);
    EXPECT_FALSE(sphere.Intersect(eye, {1, 0, 0}, t));
    // From inside a plain sphere nothing is hit.
    EXPECT_FALSE(sphere.Intersect(Vector3{0, 0, 100}, ahead, t));

    NRayInvSphere room;
    Place(room, {0, 0, 0}, 1000);
    ASSERT_TRUE(room.Intersect(eye, ahead, t));
    EXPECT_FLOAT_EQ(t, 1000.0f);
    EXPECT_FLOAT_EQ(room.Normal({0, 0, t}).z, -1000.0f);
}

TEST(RaySphere, ScreenRectangleCoversTheScreenWhenTheSphereIsNear) {
    const ScreenRect near = ProjectSphere({0, 0, 5}, 10, 20);
    EXPECT_EQ(near.xMin, -1.0f);
    EXPECT_EQ(near.yMin, -1.0f);
    EXPECT_EQ(near.xMax, 1.0f);
    EXPECT_EQ(near.yMax, 1.0f);
    // A far sphere off to the right: its cube's nearest and farthest faces bound it.
    const ScreenRect far = ProjectSphere({100, 0, 200}, 10, 20);
    EXPECT_FLOAT_EQ(far.xMax, 110.0f / 190.0f);
    EXPECT_FLOAT_EQ(far.xMin, 90.0f / 210.0f);
    EXPECT_TRUE(far.Contains(0.5f, 0.0f));
    EXPECT_FALSE(far.Contains(0.0f, 0.0f));
}

TEST(RaySphere, TextureCoordinatesFollowTheArcTangentCurve) {
    float u = 0, v = 0;
    SphereTexCoord({0, 0, 5}, 2.0f, u, v);
    EXPECT_FLOAT_EQ(u, 1.0f);
    EXPECT_FLOAT_EQ(v, 1.0f);
    SphereTexCoord({0, 0, -5}, 1.0f, u, v);
    EXPECT_FLOAT_EQ(u, 0.5f);
    SphereTexCoord({0, 0, 0}, 1.0f, u, v);
    EXPECT_FLOAT_EQ(u, 0.5f);
    // The polynomial stays within 1e-5 radians of the exact curve.
    for (float a = -1.0f; a <= 1.0f; a += 1.0f / 512) {
        ASSERT_NEAR(FastAtanOneMinusSquare(a), AtanOneMinusSquare(a), 1e-5f) << a;
    }
}

TEST(RayNode, NearOrbitAtParamZeroKeepsItsDistance) {
    // k = 0, d = 1, s = 600: the node sits |p| = sin(600) * 50 + 400 from the
    // orbit's centre, moved to depth -(0.5 p.z + 650).
    CurrentTime = 0;
    NRayNode1 node;
    node.Param = 0;
    node.Update();
    const float px = -node.local.m[12];
    const float py = -node.local.m[13];
    const float pz = 2.0f * (-node.local.m[14] - 650.0f);
    EXPECT_NEAR(std::sqrt(px * px + py * py + pz * pz), Sin(600.0f) * 50.0f + 400.0f, 1e-3f);
    // Another Param moves differently.
    NRayNode1 other;
    other.Param = 1;
    other.Update();
    EXPECT_GT(std::fabs(other.local.m[12] - node.local.m[12]), 1.0f);
}
