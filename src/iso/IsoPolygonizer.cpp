#include "iso/IsoPolygonizer.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "iso/IsoCaseTable.h"
#include "iso/IsoGrid.h"

namespace {

constexpr float kTextureScale = 0.01f;
constexpr int kRowCount = kIsoSide * kIsoSide;
// Bits 0..30 of a row: the points that start an edge along the row.
constexpr uint32_t kEdgeStarts = 0x7FFFFFFFu;
// Bits 0..29: the points that start a cube.
constexpr uint32_t kCubeStarts = 0x3FFFFFFFu;
constexpr int kAxisX = 0;
constexpr int kAxisY = 1;
constexpr int kAxisZ = 2;

// For each cube edge, where its vertex index sits in the edge vertex table relative
// to the cube's first corner: the entry of its lower-numbered corner for its axis.
constexpr int EdgeSlot(int di, int dj, int dk, int axis) {
    return 3 * IsoIndex(di, dj, dk) + axis;
}
constexpr int kEdgeSlots[12] = {
    EdgeSlot(0, 0, 0, kAxisX), EdgeSlot(1, 0, 0, kAxisY), EdgeSlot(0, 1, 0, kAxisX),
    EdgeSlot(0, 0, 0, kAxisY), EdgeSlot(0, 0, 1, kAxisX), EdgeSlot(1, 0, 1, kAxisY),
    EdgeSlot(0, 1, 1, kAxisX), EdgeSlot(0, 0, 1, kAxisY), EdgeSlot(0, 0, 0, kAxisZ),
    EdgeSlot(1, 0, 0, kAxisZ), EdgeSlot(1, 1, 0, kAxisZ), EdgeSlot(0, 1, 0, kAxisZ),
};

// One bit per point, bit i of row j + 32 k set when point (i, j, k) is inside: whole
// rows of cubes and edges are then classified with a few bit operations.
void ClassifyRows(const float* field, float level, uint32_t* rows) {
    for (int row = 0; row < kRowCount; ++row) {
        const float* values = field + row * kIsoRowStride;
        uint32_t bits = 0;
        for (int i = 0; i < kIsoSide; ++i) {
            bits |= static_cast<uint32_t>(values[i] > level) << i;
        }
        rows[row] = bits;
    }
}

class MeshBuilder {
  public:
    MeshBuilder(const float* field, float level, const IsoMeshArrays& out)
        : field(field), level(level), out(out) {}

    // Vertices on the crossing edges of row (j, k), point by point, +x before +y
    // before +z.
    void AddRowVertices(const uint32_t* rows, int j, int k) {
        const uint32_t here = rows[j + kIsoSide * k];
        const uint32_t alongX = (here ^ (here >> 1)) & kEdgeStarts;
        const uint32_t alongY = (here ^ rows[j + 1 + kIsoSide * k]) & kEdgeStarts;
        const uint32_t alongZ = (here ^ rows[j + kIsoSide * (k + 1)]) & kEdgeStarts;
        for (uint32_t any = alongX | alongY | alongZ; any != 0; any &= any - 1) {
            const int i = std::countr_zero(any);
            const uint32_t bit = 1u << i;
            const int point = IsoIndex(i, j, k);
            if (alongX & bit) {
                AddVertex(point, kAxisX, 1, i, j, k);
            }
            if (alongY & bit) {
                AddVertex(point, kAxisY, kIsoRowStride, i, j, k);
            }
            if (alongZ & bit) {
                AddVertex(point, kAxisZ, kIsoSliceStride, i, j, k);
            }
        }
    }

    // The case table's triangles of the cubes of row (j, k) that are neither wholly
    // inside nor wholly outside.
    void AddRowTriangles(const uint32_t* rows, const IsoCaseTable& cases, int j, int k) {
        const uint32_t c0 = rows[j + kIsoSide * k];
        const uint32_t c2 = rows[j + 1 + kIsoSide * k];
        const uint32_t c4 = rows[j + kIsoSide * (k + 1)];
        const uint32_t c6 = rows[j + 1 + kIsoSide * (k + 1)];
        const uint32_t any = c0 | c2 | c4 | c6;
        const uint32_t all = c0 & c2 & c4 & c6;
        const uint32_t mixed = (any | (any >> 1)) & ~(all & (all >> 1)) & kCubeStarts;
        for (uint32_t left = mixed; left != 0; left &= left - 1) {
            const int i = std::countr_zero(left);
            const int pattern = static_cast<int>(((c0 >> i) & 3) | ((c2 >> i) & 3) << 2 |
                                                 ((c4 >> i) & 3) << 4 | ((c6 >> i) & 3) << 6);
            AddCube(cases.edges[pattern], 3 * IsoIndex(i, j, k));
        }
    }

    IsoMeshCounts counts;

  private:
    void AddVertex(int point, int axis, int stride, int i, int j, int k) {
        const int32_t index = counts.verticesWanted++;
        if (index >= out.vertexCapacity) {
            out.edgeVertices[3 * point + axis] = -1;
            return;
        }
        out.edgeVertices[3 * point + axis] = index;
        const float fa = field[point];
        const float fb = field[point + stride];
        float position[3] = {IsoCoordinate(i), IsoCoordinate(j), IsoCoordinate(k)};
        position[axis] += kIsoSpacing * (level - fa) / (fb - fa);
        IsoVertex& vertex = out.vertices[index];
        vertex.x = position[0];
        vertex.y = position[1];
        vertex.z = position[2];
        vertex.u = position[0] * kTextureScale;
        vertex.v = position[1] * kTextureScale;
    }

    void AddCube(const uint8_t* edges, int firstSlot) {
        for (int t = 0; t < kIsoMaxCaseTriangles && edges[3 * t] != kIsoNoEdge; ++t) {
            int32_t corner[3];
            for (int c = 0; c < 3; ++c) {
                corner[c] = out.edgeVertices[firstSlot + kEdgeSlots[edges[3 * t + c]]];
            }
            AddTriangle(corner);
        }
    }

    void AddTriangle(const int32_t* corner) {
        const int index = counts.trianglesWanted++;
        if (index >= out.triangleCapacity || corner[0] < 0 || corner[1] < 0 || corner[2] < 0) {
            return;
        }
        uint32_t* indices = out.indices + 3 * counts.triangles++;
        indices[0] = static_cast<uint32_t>(corner[0]);
        indices[1] = static_cast<uint32_t>(corner[1]);
        indices[2] = static_cast<uint32_t>(corner[2]);
        IsoVertex& p = out.vertices[corner[0]];
        IsoVertex& q = out.vertices[corner[1]];
        IsoVertex& r = out.vertices[corner[2]];
        const float ax = q.x - p.x, ay = q.y - p.y, az = q.z - p.z;
        const float bx = r.x - p.x, by = r.y - p.y, bz = r.z - p.z;
        float nx = ay * bz - az * by;
        float ny = az * bx - ax * bz;
        float nz = ax * by - ay * bx;
        const float length = std::sqrt(nx * nx + ny * ny + nz * nz);
        // A triangle squeezed to a line or a point (corner values on the level) has
        // no direction: its normal stays zero instead of becoming not-a-number.
        if (length > 0) {
            nx /= length;
            ny /= length;
            nz /= length;
        }
        AddNormal(p, corner[0], nx, ny, nz);
        AddNormal(q, corner[1], nx, ny, nz);
        AddNormal(r, corner[2], nx, ny, nz);
    }

    // The first triangle to touch a vertex in this build sets its normal, later ones
    // add to it: the sum of unit face normals weights every face alike.
    void AddNormal(IsoVertex& vertex, int32_t index, float nx, float ny, float nz) {
        if (out.useCounts[index]++ == 0) {
            vertex.nx = nx;
            vertex.ny = ny;
            vertex.nz = nz;
        } else {
            vertex.nx += nx;
            vertex.ny += ny;
            vertex.nz += nz;
        }
    }

    const float* field;
    float level;
    const IsoMeshArrays& out;
};

}  // namespace

IsoMeshCounts PolygonizeIsoField(const float* field, float level, const IsoCaseTable& cases,
                                 const IsoMeshArrays& out) {
    uint32_t rows[kRowCount];
    ClassifyRows(field, level, rows);
    MeshBuilder builder(field, level, out);
    for (int k = 0; k < kIsoSide - 1; ++k) {
        for (int j = 0; j < kIsoSide - 1; ++j) {
            builder.AddRowVertices(rows, j, k);
        }
    }
    builder.counts.vertices = std::min(builder.counts.verticesWanted, out.vertexCapacity);
    for (int v = 0; v < builder.counts.vertices; ++v) {
        out.useCounts[v] = 0;
    }
    for (int k = 0; k < kIsoCubeSide; ++k) {
        for (int j = 0; j < kIsoCubeSide; ++j) {
            builder.AddRowTriangles(rows, cases, j, k);
        }
    }
    return builder.counts;
}
