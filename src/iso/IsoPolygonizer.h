// Builds the triangles of a field's level surface with the case table. The output
// arrays are the caller's, sized once: a build writes at most their capacities and
// counts what it would have written beyond them, so the caller can report overflow.
#pragma once

#include <cstdint>

#include "iso/IsoVertex.h"

struct IsoCaseTable;

struct IsoMeshArrays {
    IsoVertex* vertices = nullptr;
    int vertexCapacity = 0;
    // Three vertex indices per triangle.
    uint32_t* indices = nullptr;
    int triangleCapacity = 0;
    // kIsoPointCount x 3: the vertex on each point's +x, +y and +z edge.
    int32_t* edgeVertices = nullptr;
    // vertexCapacity entries: how many triangles touched each vertex in this build.
    int32_t* useCounts = nullptr;
};

struct IsoMeshCounts {
    int vertices = 0;
    int triangles = 0;
    int verticesWanted = 0;
    int trianglesWanted = 0;
};

// Makes a vertex on every grid edge whose ends lie on either side of `level` (a
// value above it is inside), then the case table's triangles of every cube, each
// with its unit face normal added into its three vertices' normals. Only positions,
// texture coordinates and normals are written; colours stay as the caller set them.
// A triangle that would use a vertex beyond the capacity is dropped too.
IsoMeshCounts PolygonizeIsoField(const float* field, float level, const IsoCaseTable& cases,
                                 const IsoMeshArrays& out);
