// Corner sprites whose quads are spread by the vertex program: all four vertices sit
// at the sprite's centre, and the alpha byte (0, 64, 128, 192) tells the program
// which corner a vertex is. Colour-texture layout.
#pragma once

#include "effects/CornerSpriteMesh.h"
#include "reflect/MemberTable.h"

class NColorTexSpriteMesh : public NCornerSpriteMesh {
  public:
    NClass* Create() override { return new NColorTexSpriteMesh; }
    const VertexLayout* RequiredLayout() const override { return &kColorTextureLayout; }
    void BuildVertices() override;
};
