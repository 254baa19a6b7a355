#include "effects/QuadMesh.h"

#include "base/Con.h"

void NQuadMesh::Members(MemberTable<NQuadMesh>& m) {
    m.Add<&NQuadMesh::Length>("Length");
    m.Add<&NQuadMesh::Width>("Width");
    m.Add<&NQuadMesh::Lines>("Lines");
    m.Add<&NQuadMesh::Divisions>("Divisions");
}

void NQuadMesh::Init() {
    if (SetUpGrid()) {
        NMesh::Init();
    }
}

bool NQuadMesh::SetUpGrid() {
    if (Divisions < 2) {
        Con.Error("QuadMesh: 'Divisions' must be at least 2");
        Divisions = 2;
    }
    if (Lines < 2) {
        Con.Error("QuadMesh: 'Lines' must be at least 2");
        Lines = 2;
    }
    if (!AcceptMaterial()) {
        return false;
    }
    const int64_t vertexTotal = int64_t{Lines} * Divisions;
    const int64_t triangleTotal = 2 * int64_t{Divisions - 1} * (Lines - 1);
    if (!AllocateArrays(vertexTotal, triangleTotal)) {
        return false;
    }
    vertexCount = vertexCapacity;
    triangleCount = triangleCapacity;
    WriteGridTriangles();
    return true;
}

// Cell (i, j) with corner b = i * Divisions + j becomes (b, b+1, b+D) and
// (b+1, b+D+1, b+D): both wound the same way.
void NQuadMesh::WriteGridTriangles() {
    int32_t triangle = 0;
    const uint32_t d = static_cast<uint32_t>(Divisions);
    for (int32_t i = 0; i < Lines - 1; ++i) {
        for (int32_t j = 0; j < Divisions - 1; ++j) {
            const uint32_t b = static_cast<uint32_t>(i) * d + static_cast<uint32_t>(j);
            SetTriangle(triangle++, b, b + 1, b + d);
            SetTriangle(triangle++, b + 1, b + d + 1, b + d);
        }
    }
}
