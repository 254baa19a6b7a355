#include "iso/IsoCaseTable.h"

#include <gtest/gtest.h>

namespace {

constexpr int kEdgeCorners[12][2] = {{0, 1}, {1, 3}, {2, 3}, {0, 2}, {4, 5}, {5, 7},
                                     {6, 7}, {4, 6}, {0, 4}, {1, 5}, {3, 7}, {2, 6}};

bool Inside(int pattern, int corner) {
    return (pattern >> corner) & 1;
}

int TriangleCount(const uint8_t* edges) {
    int count = 0;
    while (count < kIsoMaxCaseTriangles && edges[3 * count] != kIsoNoEdge) {
        ++count;
    }
    return count;
}

}  // namespace

TEST(IsoCaseTable, OneInsideCornerIsCutOffByOneTriangleAndUniformCubesGiveNone) {
    const IsoCaseTable& table = IsoCases();
    const uint8_t expected[15] = {0, 3, 8, 68, 68, 68, 68, 68, 68, 68, 68, 68, 68, 68, 68};
    for (int b = 0; b < 15; ++b) {
        EXPECT_EQ(table.edges[1][b], expected[b]) << "byte " << b;
        EXPECT_EQ(table.edges[0][b], kIsoNoEdge);
        EXPECT_EQ(table.edges[255][b], kIsoNoEdge);
    }
    // Two corners on a face diagonal are cut off apart: two triangles, not a band.
    EXPECT_EQ(TriangleCount(table.edges[1 | 8]), 2);
    // Half the cube inside: one quad across it.
    EXPECT_EQ(TriangleCount(table.edges[1 | 2 | 4 | 8]), 2);
}

TEST(IsoCaseTable, EveryTriangleJoinsCrossingEdgesAndEveryCrossingEdgeIsUsed) {
    const IsoCaseTable& table = IsoCases();
    for (int pattern = 0; pattern < 256; ++pattern) {
        const uint8_t* edges = table.edges[pattern];
        const int triangles = TriangleCount(edges);
        bool used[12] = {};
        for (int b = 0; b < 3 * triangles; ++b) {
            ASSERT_LT(edges[b], 12) << "pattern " << pattern;
            const int* corners = kEdgeCorners[edges[b]];
            EXPECT_NE(Inside(pattern, corners[0]), Inside(pattern, corners[1]))
                << "pattern " << pattern << " edge " << int{edges[b]};
            used[edges[b]] = true;
        }
        for (int b = 3 * triangles; b < 15; ++b) {
            EXPECT_EQ(edges[b], kIsoNoEdge) << "pattern " << pattern;
        }
        for (int e = 0; e < 12; ++e) {
            const bool crossing =
                Inside(pattern, kEdgeCorners[e][0]) != Inside(pattern, kEdgeCorners[e][1]);
            EXPECT_EQ(used[e], crossing) << "pattern " << pattern << " edge " << e;
        }
    }
}
