#include "effects/QuadMesh.h"

void NQuadMesh::Members(MemberTable<NQuadMesh>& m) {
    m.Add<&NQuadMesh::Length>("Length");
    m.Add<&NQuadMesh::Width>("Width");
    m.Add<&NQuadMesh::Lines>("Lines");
    m.Add<&NQuadMesh::Divisions>("Divisions");
}
