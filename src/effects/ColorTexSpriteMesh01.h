// Corner sprites drawn with the colour-texture layout: each corner carries its own
// texture coordinates and a grey shade. The ray primitives are of this kind.
#pragma once

#include "effects/SpriteMesh.h"
#include "reflect/MemberTable.h"

class NColorTexSpriteMesh01 : public NSpriteMesh {
  public:
    NClass* Create() override { return new NColorTexSpriteMesh01; }
    // The corner records for the capacity, then the sprite mesh's Init.
    void Init() override;
    void Render() override;
    const VertexLayout* RequiredLayout() const override { return &kColorTextureLayout; }

    // Writes the vertices of the current sprites; needs no window.
    void BuildVertices();
};
