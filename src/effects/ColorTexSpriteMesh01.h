// Corner sprites drawn with the colour-texture layout: each corner carries its own
// texture coordinates and a grey shade. The ray primitives are of this kind.
#pragma once

#include "effects/CornerSpriteMesh.h"
#include "reflect/MemberTable.h"

class NColorTexSpriteMesh01 : public NCornerSpriteMesh {
  public:
    NClass* Create() override { return new NColorTexSpriteMesh01; }
    const VertexLayout* RequiredLayout() const override { return &kColorTextureLayout; }
    void BuildVertices() override;
};
