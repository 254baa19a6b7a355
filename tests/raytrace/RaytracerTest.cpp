// The raytracer's trace: shading, shadows and the default light, on spheres placed
// in ray space; and the second generation's room.
#include <gtest/gtest.h>

#include "RayTestSupport.h"
#include "base/FrameTime.h"
#include "raytrace/Raytracer01.h"

using raytest::Log;
using raytest::RayScene;
using raytest::SampleAt;

namespace {

// A sphere of radius 10 at depth 100 and a light at `light`; the sample at the
// screen's centre after one frame.
RaySample CentreOfLitSphere(const Vector3& light, float ambient, float intensity,
                            int32_t receiveShadows = 1) {
    RayScene scene;
    scene.AddSphere({0, 0, 100}, 10).ReceiveShadows = receiveShadows;
    scene.AddLight(light, ambient, intensity);
    scene.Init();
    scene.Frame();
    return SampleAt(scene.tracer, 0, 0);
}

}  // namespace

TEST(Raytracer, ShadesByTheAngleToTheLightAndCapsTheSum) {
    // The light straight behind the eye: cosine 1.
    RaySample lit = CentreOfLitSphere({0, 0, -50}, 0.2f, 0.8f);
    EXPECT_EQ(lit.hit, 0);
    EXPECT_EQ(lit.shade, 255);
    EXPECT_FLOAT_EQ(lit.colour[0], 1.0f);
    EXPECT_FLOAT_EQ(lit.colour[3], 1.0f);
    // 0.5 + 0.8 is reduced to 1.
    lit = CentreOfLitSphere({0, 0, -50}, 0.5f, 0.8f);
    EXPECT_EQ(lit.shade, 255);
    EXPECT_FLOAT_EQ(lit.colour[1], 1.0f);
    // Straight ahead of the sphere's object space.
    EXPECT_NEAR(lit.u, 0.5f, 1e-5f);
    EXPECT_NEAR(lit.v, 0.5f, 1e-5f);
}

TEST(Raytracer, AHitFacingAwayIsInShadowOnlyWhenItReceivesShadows) {
    // The light behind the sphere: cosine -1.
    const RaySample away = CentreOfLitSphere({0, 0, 200}, 0.2f, 0.8f);
    EXPECT_EQ(away.hit, kRayShadow);
    EXPECT_EQ(away.shade, 51);
    const RaySample unshadowed = CentreOfLitSphere({0, 0, 200}, 0.2f, 0.8f, 0);
    EXPECT_EQ(unshadowed.hit, 0);
    EXPECT_EQ(unshadowed.shade, 0);
    EXPECT_FLOAT_EQ(unshadowed.colour[0], 0.2f - 0.8f);
}

TEST(Raytracer, TheLastPrimitiveNeverCastsAShadow) {
    // The far sphere fills the centre; the near one sits halfway along the light's
    // way to the far sphere's visible point, off to the side of the view.
    for (bool occluderLast : {false, true}) {
        RayScene scene;
        scene.AddLight({200, 0, 100}, 0.2f, 0.8f);
        // Nodes are listed in the reverse of the order they are added.
        if (occluderLast) {
            scene.AddSphere({100, 0, 140}, 10);
            scene.AddSphere({0, 0, 200}, 20);
        } else {
            scene.AddSphere({0, 0, 200}, 20);
            scene.AddSphere({100, 0, 140}, 10);
        }
        scene.Init();
        scene.Frame();
        const RaySample& centre = SampleAt(scene.tracer, 0, 0);
        const int32_t far = occluderLast ? 0 : 1;
        EXPECT_EQ(centre.hit, occluderLast ? far : far | kRayShadow) << occluderLast;
    }
}

TEST(Raytracer, WithoutALightItSaysSoOnceAndUsesADarkOne) {
    RayScene scene;
    scene.AddSphere({0, 0, 100}, 10);
    scene.Init();
    scene.Frame();
    scene.Frame();
    EXPECT_EQ(Con.ErrorCount(), 0) << Log();
    EXPECT_NE(Log().find("NRaytracer: no lights are present in the scene"), std::string::npos);
    EXPECT_EQ(Log().find("no lights", Log().find("no lights") + 1), std::string::npos);
    const RaySample& centre = SampleAt(scene.tracer, 0, 0);
    EXPECT_EQ(centre.hit & 0xFF, 0);
    EXPECT_EQ(centre.shade, 0);
}

TEST(Raytracer, ALightWithoutATermIsReportedOnceAndCountsZeroForIt) {
    RayScene scene;
    scene.AddSphere({0, 0, 100}, 10);
    scene.AddLight({0, 0, -50}, -1, 0.5f);
    scene.Init();
    scene.Frame();
    scene.Frame();
    EXPECT_EQ(Con.ErrorCount(), 1) << Log();
    EXPECT_NE(Log().find("'Ambient' is not set"), std::string::npos) << Log();
    EXPECT_EQ(SampleAt(scene.tracer, 0, 0).shade, 127);
}

TEST(Raytracer, WithoutPrimitivesNothingIsTraced) {
    RayScene scene;
    scene.AddLight({0, 0, 0}, 0.2f, 0.8f);
    scene.Init();
    scene.Frame();
    EXPECT_EQ(scene.tracer.rays.primary, 0);
}

TEST(Raytracer01, TheRoomFillsEveryCellAndIsLitFully) {
    raytest::BasicRayScene<NRaytracer01> scene;
    scene.tracer.Material = &scene.material;
    scene.material.vertexLayout = &kSpriteLayout;
    scene.Init();
    ASSERT_EQ(scene.tracer.cellsAcross, 40);
    ASSERT_EQ(scene.tracer.cellsDown, 30);
    ASSERT_EQ(scene.tracer.spriteCapacity, 1200);
    for (float time : {0.0f, 7.5f}) {
        CurrentTime = time;
        scene.tracer.Update();
        scene.tracer.TraceAndEmit();
        EXPECT_EQ(scene.tracer.spriteCount, 1200);
        for (int32_t i = 0; i < scene.tracer.grid->Count(); ++i) {
            const RaySample& sample = scene.tracer.grid->Samples()[i];
            ASSERT_EQ(sample.hit, 0);
            // 1.2 + 0.2 at cosine 1, reduced to 1.
            ASSERT_FLOAT_EQ(sample.colour[0], 1.0f);
        }
    }
    CurrentTime = 0;
    scene.tracer.TraceAndEmit();
    EXPECT_FLOAT_EQ(scene.tracer.cornerSprites[0].r, 1.2f / 40.0f);
    EXPECT_FLOAT_EQ(scene.tracer.cornerSprites[0].z, 0.05f * 1.2f / 40.0f - 0.5f);
    EXPECT_EQ(Con.ErrorCount(), 0) << Log();
}
