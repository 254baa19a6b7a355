// A mesh whose geometry is a list of sprites: each sprite becomes four vertices and
// two triangles at every draw. The kinds differ in the sprite record they keep and
// the vertex layout they write; the sprite capacity is set by code before Init (by
// the raytracer's tile, or by the sprite effect itself).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "effects/Mesh.h"
#include "effects/Sprite.h"
#include "reflect/MemberTable.h"

class NSpriteMesh : public NMesh {
  public:
    NClass* Create() override { return new NSpriteMesh; }

    // With a capacity of 0 nothing is set up and the mesh is never drawn. Otherwise
    // SetUpSprites, then the mesh's Init.
    void Init() override;
    // Counts from the sprite count, then the mesh's draw. Each kind first writes the
    // vertices of its sprites.
    void Render() override;

    // Sizes the arrays for the capacity, writes the index list and presets the second
    // texture unit where the layout has one. Needs no window.
    bool SetUpSprites();
    // Vertex and triangle counts for the sprite count, kept within the capacity.
    void CountSprites();

    static constexpr int64_t kMaxSprites = kMaxVertices / 4;

    int32_t spriteCapacity = 0;
    // Sprites drawn this frame; writers keep it at or below the capacity.
    int32_t spriteCount = 0;
    // Plain records, kept by the sprite effect; the other kinds keep corner records
    // (effects/CornerSpriteMesh.h).
    std::vector<Sprite> sprites;

  protected:
    // Whether the capacity is one the mesh can take.
    bool CapacityFits() const;
    // How many sprites of `records` the arrays can take this frame.
    int32_t SpritesToBuild(size_t records) const;
    // The corners of the square of half-size r about (x, y, z) at the sprite's four
    // vertices.
    void SetSquare(int32_t sprite, float x, float y, float z, float r);

  private:
    void WriteSpriteTriangles();
    void PresetSecondTextureUnit();
};
