// Corner sprites drawn with the sprite material's layout: each corner carries its own
// texture coordinates; the normal faces +z.
#pragma once

#include "effects/SpriteMesh.h"
#include "reflect/MemberTable.h"

class NSpriteMesh02 : public NSpriteMesh {
  public:
    NClass* Create() override { return new NSpriteMesh02; }
    // The corner records for the capacity, then the sprite mesh's Init.
    void Init() override;
    void Render() override;
    const VertexLayout* RequiredLayout() const override { return &kSpriteLayout; }

    // Writes the vertices of the current sprites; needs no window.
    void BuildVertices();
};
