#include "render/VertexPool.h"

#include <gtest/gtest.h>

#include "base/Con.h"

namespace {

// Stand-ins for scenes: the pool only compares their addresses.
NScene* Scene(int i) {
    static char scenes[3];
    return reinterpret_cast<NScene*>(&scenes[i]);
}

void Report(Nx& pool, NScene* scene, int vertices) {
    pool.ReportSceneInitBegin(scene);
    pool.ReportVertices(vertices);
    pool.ReportSceneInitEnd(scene);
}

}  // namespace

TEST(VertexPool, SizedForTheLargestSceneAndRefusesMore) {
    Con.EnableBuffer(true);
    {
        Nx pool;
        EXPECT_EQ(CurrentVertexPool, &pool);
        Report(pool, Scene(0), 40);
        Report(pool, Scene(1), 120);
        Report(pool, Scene(2), 80);
        pool.Prepare();
        EXPECT_EQ(pool.Capacity(), 120);
        pool.Reset();
        VertexRecord* first = pool.Allocate(116);
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(first[1].u1, 1.0f);
        EXPECT_EQ(first[2].v1, 1.0f);
        EXPECT_NE(pool.Allocate(4), nullptr);
        EXPECT_EQ(pool.Allocate(1), nullptr);
        EXPECT_STREQ(Con.BufferText(), "Error: Nx: buffer overflow\r\n");
        pool.Reset();
        EXPECT_NE(pool.Allocate(120), nullptr);
    }
    EXPECT_EQ(CurrentVertexPool, nullptr);
}

TEST(VertexPool, EmptyPoolHandsOutNothingSilently) {
    Con.EnableBuffer(true);
    Nx pool;
    Report(pool, Scene(0), 0);
    pool.Prepare();
    EXPECT_EQ(pool.Allocate(4), nullptr);
    EXPECT_EQ(Con.ErrorCount(), 0);
}

TEST(VertexPool, ReportsMismatchedEndsAndOddSizes) {
    Con.EnableBuffer(true);
    Nx pool;
    pool.ReportSceneInitBegin(Scene(0));
    pool.ReportVertices(6);
    pool.ReportSceneInitEnd(Scene(1));
    pool.Prepare();
    EXPECT_EQ(pool.Capacity(), 6);
    EXPECT_STREQ(Con.BufferText(),
                 "Error: invalid ReportSceneInitEnd\r\n"
                 "Error: Nx: number of vertices = 6 is not a multiple of 4\r\n");
}
