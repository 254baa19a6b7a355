// A flat coloured sheet: the quad grid at depth -0.5, striped by column in red,
// green, blue and black at alpha 150, rewritten before every draw.
#pragma once

#include "effects/QuadMesh.h"
#include "reflect/MemberTable.h"

class NRoundQuad : public NQuadMesh {
  public:
    NRoundQuad();
    NClass* Create() override { return new NRoundQuad; }
    void Render() override;
    const VertexLayout* RequiredLayout() const override { return &kParticleLayout; }

    // Writes every vertex of the grid; needs no window.
    void BuildVertices();
};

// The colour of grid column `column`: red, green, blue, black in turn.
void QuadColumnColor(NMesh& mesh, int32_t vertex, int32_t column);
