// Corner sprites drawn with the sprite material's layout: each corner carries its own
// texture coordinates; the normal faces +z.
#pragma once

#include "effects/CornerSpriteMesh.h"
#include "reflect/MemberTable.h"

class NSpriteMesh02 : public NCornerSpriteMesh {
  public:
    NClass* Create() override { return new NSpriteMesh02; }
    const VertexLayout* RequiredLayout() const override { return &kSpriteLayout; }
    void BuildVertices() override;
};
