// The isosurface drawable on its arrays, without a window: its presets, its mesh
// counts and the time guard's way out.
#include "iso/ISO.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestSupport.h"
#include "app/ClassTable.h"
#include "base/Con.h"
#include "base/Ticks.h"
#include "effects/MeshTestSupport.h"
#include "render/ParticleMaterial.h"
#include "scene/Scene.h"
#include "window/Surface.h"

namespace {

uint32_t fakeTicks = 0;

uint32_t SlowTicks() {
    fakeTicks += 700;
    return fakeTicks;
}

class ISOTest : public testing::Test {
  protected:
    void SetUp() override {
        NClassRegistration();
        Con.EnableBuffer(true);
        CurrentScene = &scene;
        iso.Material = &particle;
    }
    // Init, counting only what comes after it: the bare material reports its missing
    // shader and texture.
    void Init() {
        iso.Init();
        errorsAfterInit = Con.ErrorCount();
        Con.EnableBuffer(true);
    }
    int NewErrors() const { return Con.ErrorCount() - errorsAfterInit; }

    void TearDown() override {
        SetTickSource(nullptr);
        CurrentScene = nullptr;
        QuitRequested = false;
    }
    NScene scene;
    NParticleMaterial particle;
    NISO iso;
    int errorsAfterInit = 0;
};

}  // namespace

TEST_F(ISOTest, InitPresetsWhiteVerticesFacingAwayAndRenderFillsTheMesh) {
    Init();
    ASSERT_EQ(iso.vertexCapacity, 5000);
    ASSERT_EQ(iso.triangleCapacity, 10000);
    const auto last = meshtest::Color(iso, 4999);
    EXPECT_EQ(last.r + last.g + last.b + last.a, 4 * 255);
    EXPECT_EQ(meshtest::Normal(iso, 4999).z, -1.0f);
    EXPECT_EQ(scene.drawables.next, &iso);

    iso.Advance(0.5f);
    EXPECT_GT(iso.triangleCount, 50);
    EXPECT_EQ(iso.vertexCount, iso.surface.VertexCount());
    EXPECT_EQ(iso.triangleCount, iso.surface.TriangleCount());
    const auto first = meshtest::Position(iso, 0);
    EXPECT_EQ(meshtest::TexCoord(iso, 0, 0).x, first.x * 0.01f);
    EXPECT_EQ(NewErrors(), 0) << test::LogText();
}

TEST_F(ISOTest, WithoutCapacityNothingIsMade) {
    iso.triangleCapacity = 0;
    Init();
    iso.Advance(0.5f);
    EXPECT_TRUE(iso.vertices.empty());
    EXPECT_EQ(iso.triangleCount, 0);
    EXPECT_EQ(scene.drawables.next, nullptr);
    EXPECT_EQ(NewErrors(), 0) << test::LogText();
}

TEST_F(ISOTest, CatchingUpTooSlowlyAsksPlayToEnd) {
    Init();
    iso.Advance(0.0f);
    const int triangles = iso.triangleCount;
    SetTickSource(SlowTicks);
    iso.Advance(30.0f);
    EXPECT_TRUE(QuitRequested);
    EXPECT_EQ(iso.triangleCount, triangles);
    EXPECT_EQ(test::LogText(), "Error: PC Too slow\r\n\r\n");
    EXPECT_EQ(NewErrors(), 1);
}

TEST_F(ISOTest, ARewoundSceneStartsItsFieldAndItsMatricesAfreshAsAfterInit) {
    Init();
    NTransformNode node;
    node.SetParent(&scene.root);
    iso.Advance(0.0f);
    iso.Advance(0.5f);
    // The vertices in use; those past them keep whatever later meshes left there.
    const auto used = [this] {
        return std::vector<uint8_t>(
            iso.vertices.begin(), iso.vertices.begin() + iso.vertexCount * kParticleLayout.stride);
    };
    const std::vector<uint8_t> firstPlay = used();
    const int triangles = iso.triangleCount;
    iso.Advance(1.3f);
    MatrixTranslation(node.world, {1, 2, 3});
    EXPECT_TRUE(scene.KeepsHistory());

    scene.Rewind();
    EXPECT_EQ(iso.surface.SampleCount(), 0);
    EXPECT_EQ(node.world.m[12], 0.0f);
    // Earlier than the last time, as a seek back is: no complaint, the same field.
    iso.Advance(0.0f);
    iso.Advance(0.5f);
    EXPECT_EQ(iso.triangleCount, triangles);
    EXPECT_EQ(used(), firstPlay);
    EXPECT_EQ(test::LogText().find("can't step backwards"), std::string::npos);
    EXPECT_EQ(NewErrors(), 0) << test::LogText();
    scene.root.firstChild = nullptr;
}
