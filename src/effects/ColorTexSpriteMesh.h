// Corner sprites whose quads are spread by the vertex program: all four vertices sit
// at the sprite's centre, and the alpha byte (0, 64, 128, 192) tells the program
// which corner a vertex is. Colour-texture layout.
#pragma once

#include "effects/SpriteMesh.h"
#include "reflect/MemberTable.h"

class NColorTexSpriteMesh : public NSpriteMesh {
  public:
    NClass* Create() override { return new NColorTexSpriteMesh; }
    // The corner records for the capacity, then the sprite mesh's Init.
    void Init() override;
    void Render() override;
    const VertexLayout* RequiredLayout() const override { return &kColorTextureLayout; }

    // Writes the vertices of the current sprites; needs no window.
    void BuildVertices();
};
