#include "iso/IsoSurface.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestSupport.h"
#include "base/Con.h"
#include "base/Ticks.h"
#include "iso/IsoRandom.h"
#include "iso/IsoSourceSystem.h"

namespace {

// An isosurface over its own source system, with its own vertex and index arrays.
class IsoSurfaceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Con.EnableBuffer(true);
        errorsBefore = Con.ErrorCount();
        IsoRandom random;
        sources.MakeSources(random);
    }
    void TearDown() override { SetTickSource(nullptr); }

    void Init(int vertexCapacity, int triangleCapacity) {
        vertices.assign(vertexCapacity, IsoVertex{});
        indices.assign(3 * triangleCapacity, 0);
        surface.Init(vertexCapacity, triangleCapacity, &sources);
    }
    IsoSurface::Outcome Advance(float now) {
        return surface.Advance(now, vertices.data(), indices.data());
    }
    int NewErrors() const { return Con.ErrorCount() - errorsBefore; }

    IsoSourceSystem sources;
    IsoSurface surface;
    std::vector<IsoVertex> vertices;
    std::vector<uint32_t> indices;
    int errorsBefore = 0;
};

uint32_t fakeTicks = 0;

// Each reading of the clock is 600 ms after the one before.
uint32_t SlowTicks() {
    fakeTicks += 600;
    return fakeTicks;
}

}  // namespace

TEST_F(IsoSurfaceTest, TheSameTimeTwiceGivesTheSameMeshWithoutANewSample) {
    Init(5000, 10000);
    EXPECT_EQ(Advance(1.0f), IsoSurface::Outcome::kRebuilt);
    // The first frame takes the sample at its time and the one after.
    EXPECT_EQ(surface.SampleCount(), 2);
    ASSERT_GT(surface.TriangleCount(), 0);
    const std::vector<uint32_t> firstIndices = indices;
    const int triangles = surface.TriangleCount();
    const float x = vertices[10].x;
    EXPECT_EQ(Advance(1.0f), IsoSurface::Outcome::kRebuilt);
    EXPECT_EQ(surface.SampleCount(), 2);
    EXPECT_EQ(surface.TriangleCount(), triangles);
    EXPECT_EQ(indices, firstIndices);
    EXPECT_EQ(vertices[10].x, x);
    EXPECT_EQ(NewErrors(), 0);
}

TEST_F(IsoSurfaceTest, CatchesUpOneSampleEveryStepAndTakesOneMore) {
    Init(5000, 10000);
    Advance(0.0f);
    ASSERT_EQ(surface.SampleCount(), 2);
    // 0.05 s past the next sample time: samples at +0.02, +0.04, +0.06, then the frame's.
    Advance(surface.nextSampleTime + 0.05f);
    EXPECT_EQ(surface.SampleCount(), 6);
    // A frame between samples only blends.
    Advance(surface.nextSampleTime - 0.01f);
    EXPECT_EQ(surface.SampleCount(), 6);
    EXPECT_EQ(NewErrors(), 0);
}

TEST_F(IsoSurfaceTest, TimeRunningBackwardsKeepsTheMesh) {
    Init(5000, 10000);
    Advance(2.0f);
    const int triangles = surface.TriangleCount();
    const std::vector<uint32_t> firstIndices = indices;
    EXPECT_EQ(Advance(1.0f), IsoSurface::Outcome::kUnchanged);
    EXPECT_EQ(test::LogText(), "Update: can't step backwards\r\n");
    EXPECT_EQ(surface.TriangleCount(), triangles);
    EXPECT_EQ(indices, firstIndices);
    EXPECT_EQ(NewErrors(), 0);
}

TEST_F(IsoSurfaceTest, CatchingUpTooSlowlyIsAnErrorAndStops) {
    Init(5000, 10000);
    Advance(0.0f);
    SetTickSource(SlowTicks);
    EXPECT_EQ(Advance(10.0f), IsoSurface::Outcome::kTooSlow);
    EXPECT_EQ(test::LogText(), "Error: PC Too slow\r\n\r\n");
    EXPECT_EQ(NewErrors(), 1);
    // Two passes: the first reading is 600 ms in, the second 1200.
    EXPECT_EQ(surface.SampleCount(), 4);
}

TEST_F(IsoSurfaceTest, OverflowKeepsTheCapacitiesAndWarnsWithTheWantedCounts) {
    Init(5000, 10000);
    Advance(0.0f);
    const int triangles = surface.TriangleCount();
    const int vertices = surface.VertexCount();
    ASSERT_GT(triangles, 20);

    IsoSurface small;
    IsoSourceSystem sameSources = sources;
    sameSources.lastMoveTime = -1.0f;
    std::vector<IsoVertex> fewVertices(20);
    std::vector<uint32_t> fewIndices(3 * 10);
    small.Init(20, 10, &sameSources);
    small.Advance(0.0f, fewVertices.data(), fewIndices.data());
    EXPECT_EQ(small.VertexCount(), 20);
    EXPECT_LE(small.TriangleCount(), 10);
    EXPECT_EQ(test::LogText(), "Warning: NISO: Overflow: F" + std::to_string(triangles) + "/10 V" +
                                   std::to_string(vertices) + "/20\r\n\r\n");
    EXPECT_EQ(NewErrors(), 1);
}
