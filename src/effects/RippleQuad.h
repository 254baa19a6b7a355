// A sheet of sine humps: the quad grid split along y into segments, each one hump
// of height `amplitude` in its middle, flat along its first and last rows and the
// outer columns. The texture repeats once per segment. Made only by the built-in
// test scene; the vertices do not depend on time.
#pragma once

#include <cstdint>

#include "effects/QuadMesh.h"

class NRippleQuad : public NQuadMesh {
  public:
    NRippleQuad();
    NClass* Create() override { return new NRippleQuad; }
    // DeriveLines, then the grid's Init.
    void Init() override;
    // Lines = segmentCount * rowsPerSegment + 1: one row more than the segments' rows.
    void DeriveLines();
    void Render() override;
    const VertexLayout* RequiredLayout() const override { return &kParticleLayout; }
    const char* MeshName() const override { return "RippleQuad"; }

    // Writes every vertex of the grid; needs no window.
    void BuildVertices();

    int32_t segmentCount = 6;
    int32_t rowsPerSegment = 10;
    float amplitude = 50.0f;
};
