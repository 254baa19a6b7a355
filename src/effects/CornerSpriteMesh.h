// The base of the sprite meshes that keep corner records (a texture coordinate and a
// shade for each corner): the records are sized with the capacity at Init, and each
// draw first turns the current sprites into vertices. The kinds differ only in the
// vertices they write.
#pragma once

#include <vector>

#include "effects/Sprite.h"
#include "effects/SpriteMesh.h"

class NCornerSpriteMesh : public NSpriteMesh {
  public:
    // The corner records for the capacity (none for a capacity the mesh refuses, so
    // writers may fill them whatever the material), then the sprite mesh's Init.
    void Init() override;
    // BuildVertices, then the sprite mesh's draw.
    void Render() override;

    // Writes the vertices of the current sprites; needs no window.
    virtual void BuildVertices() = 0;

    // Written by the raytracers' tiles, or by whoever sets the sprites.
    std::vector<CornerSprite> cornerSprites;

  protected:
    // How many of the corner records the arrays can take this frame.
    int32_t CornerSpritesToBuild() const { return SpritesToBuild(cornerSprites.size()); }
};
