#include "iso/IsoPolygonizer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <numbers>
#include <utility>
#include <vector>

#include "iso/IsoCaseTable.h"
#include "iso/IsoGrid.h"

namespace {

// Output arrays of the given capacities.
struct Mesh {
    Mesh(int vertexCapacity, int triangleCapacity)
        : vertices(vertexCapacity),
          indices(3 * triangleCapacity),
          edgeVertices(3 * kIsoPointCount),
          useCounts(vertexCapacity) {}

    IsoMeshCounts Build(const std::vector<float>& field) {
        IsoMeshArrays arrays;
        arrays.vertices = vertices.data();
        arrays.vertexCapacity = static_cast<int>(vertices.size());
        arrays.indices = indices.data();
        arrays.triangleCapacity = static_cast<int>(indices.size() / 3);
        arrays.edgeVertices = edgeVertices.data();
        arrays.useCounts = useCounts.data();
        return PolygonizeIsoField(field.data(), 0.5f, IsoCases(), arrays);
    }

    std::vector<IsoVertex> vertices;
    std::vector<uint32_t> indices;
    std::vector<int32_t> edgeVertices;
    std::vector<int32_t> useCounts;
};

// 0.5 on a sphere of `radius` about the origin, growing inwards by 1 per 100 units.
std::vector<float> SphereField(float radius) {
    std::vector<float> field(kIsoPointCount);
    for (int k = 0; k < kIsoSide; ++k) {
        for (int j = 0; j < kIsoSide; ++j) {
            for (int i = 0; i < kIsoSide; ++i) {
                const double x = IsoCoordinate(i), y = IsoCoordinate(j), z = IsoCoordinate(k);
                field[IsoIndex(i, j, k)] =
                    static_cast<float>(0.5 + (radius - std::sqrt(x * x + y * y + z * z)) / 100.0);
            }
        }
    }
    return field;
}

double Dot(const IsoVertex& v, double x, double y, double z) {
    return v.nx * x + v.ny * y + v.nz * z;
}

double TriangleArea(const IsoVertex& p, const IsoVertex& q, const IsoVertex& r) {
    const double ax = q.x - p.x, ay = q.y - p.y, az = q.z - p.z;
    const double bx = r.x - p.x, by = r.y - p.y, bz = r.z - p.z;
    const double cx = ay * bz - az * by, cy = az * bx - ax * bz, cz = ax * by - ay * bx;
    return 0.5 * std::sqrt(cx * cx + cy * cy + cz * cz);
}

}  // namespace

TEST(IsoPolygonizer, AZeroFieldGivesNothing) {
    Mesh mesh(100, 100);
    const IsoMeshCounts counts = mesh.Build(std::vector<float>(kIsoPointCount, 0.0f));
    EXPECT_EQ(counts.vertices, 0);
    EXPECT_EQ(counts.triangles, 0);
    EXPECT_EQ(counts.verticesWanted, 0);
    EXPECT_EQ(counts.trianglesWanted, 0);
}

TEST(IsoPolygonizer, OneInsidePointIsWrappedWithNormalsPointingAwayFromIt) {
    std::vector<float> field(kIsoPointCount, 0.0f);
    field[IsoIndex(5, 5, 5)] = 1.0f;
    Mesh mesh(100, 100);
    const IsoMeshCounts counts = mesh.Build(field);
    ASSERT_EQ(counts.vertices, 6);
    ASSERT_EQ(counts.triangles, 8);
    // Vertices halfway along each edge, in point order: the +z edge of (5, 5, 4) first,
    // the +x edge of (5, 5, 5) fourth.
    const float centre = IsoCoordinate(5);
    EXPECT_EQ(mesh.vertices[0].z, centre - 10.0f);
    EXPECT_EQ(mesh.vertices[3].x, centre + 10.0f);
    EXPECT_EQ(mesh.vertices[3].z, centre);
    EXPECT_FLOAT_EQ(mesh.vertices[3].u, (centre + 10.0f) * 0.01f);
    EXPECT_FLOAT_EQ(mesh.vertices[3].v, centre * 0.01f);
    for (int v = 0; v < 6; ++v) {
        const IsoVertex& vertex = mesh.vertices[v];
        // Each vertex is shared by four faces whose unit normals are summed, not averaged.
        const double length = std::sqrt(Dot(vertex, vertex.nx, vertex.ny, vertex.nz));
        EXPECT_NEAR(length, 4.0 / std::sqrt(3.0), 1e-5) << v;
        EXPECT_GT(Dot(vertex, vertex.x - centre, vertex.y - centre, vertex.z - centre), 0) << v;
        EXPECT_EQ(mesh.useCounts[v], 4);
    }
}

TEST(IsoPolygonizer, ASphereGivesAClosedConsistentlyWoundSurfaceOfTheSphereArea) {
    constexpr float kRadius = 200.0f;
    Mesh mesh(20000, 40000);
    const IsoMeshCounts counts = mesh.Build(SphereField(kRadius));
    ASSERT_GT(counts.triangles, 0);
    ASSERT_EQ(counts.trianglesWanted, counts.triangles);
    // Each directed edge once: every edge is shared by exactly two triangles, which
    // run along it in opposite directions.
    std::map<std::pair<uint32_t, uint32_t>, int> directed;
    double area = 0;
    for (int t = 0; t < counts.triangles; ++t) {
        const uint32_t* corner = &mesh.indices[3 * t];
        for (int c = 0; c < 3; ++c) {
            ++directed[{corner[c], corner[(c + 1) % 3]}];
        }
        area += TriangleArea(mesh.vertices[corner[0]], mesh.vertices[corner[1]],
                             mesh.vertices[corner[2]]);
    }
    for (const auto& [edge, uses] : directed) {
        EXPECT_EQ(uses, 1);
        EXPECT_EQ(directed.count({edge.second, edge.first}), 1u);
    }
    const double sphere = 4.0 * std::numbers::pi * kRadius * kRadius;
    EXPECT_NEAR(area / sphere, 1.0, 0.02);
    for (int v = 0; v < counts.vertices; ++v) {
        const IsoVertex& vertex = mesh.vertices[v];
        EXPECT_GT(Dot(vertex, vertex.x, vertex.y, vertex.z), 0) << v;
    }
}

TEST(IsoPolygonizer, KeepsWithinItsCapacitiesAndCountsWhatItWanted) {
    const std::vector<float> field = SphereField(200.0f);
    Mesh full(20000, 40000);
    const IsoMeshCounts wanted = full.Build(field);
    Mesh small(100, 50);
    const IsoMeshCounts counts = small.Build(field);
    EXPECT_EQ(counts.verticesWanted, wanted.vertices);
    EXPECT_EQ(counts.trianglesWanted, wanted.triangles);
    EXPECT_EQ(counts.vertices, 100);
    EXPECT_LE(counts.triangles, 50);
    for (int t = 0; t < 3 * counts.triangles; ++t) {
        EXPECT_LT(small.indices[t], 100u);
    }
}
