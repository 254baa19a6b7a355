// A mesh over a regular grid of Lines rows by Divisions columns of vertices, two
// triangles per cell. The grid's triangles are written once at Init; the concrete
// kinds fill the vertices before every draw.
#pragma once

#include <cstdint>

#include "effects/Mesh.h"
#include "reflect/MemberTable.h"

class NQuadMesh : public NMesh {
  public:
    NClass* Create() override { return new NQuadMesh; }
    static void Members(MemberTable<NQuadMesh>& m);

    // SetUpGrid, then the mesh's Init; a refused grid is never drawn.
    void Init() override;
    // Raises Lines and Divisions below 2 (reported), refuses a grid beyond the mesh's
    // bounds, sizes both arrays and writes the triangles. Needs no window.
    bool SetUpGrid();

    // Extent along y, the direction of the rows.
    float Length = 0;
    // Extent along x, the direction of the columns.
    float Width = 0;
    int32_t Lines = 0;
    int32_t Divisions = 0;

  private:
    void WriteGridTriangles();
};
