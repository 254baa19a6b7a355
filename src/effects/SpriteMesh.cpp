#include "effects/SpriteMesh.h"

#include <algorithm>

#include "base/FrameStats.h"

namespace {

// The second unit's fixed coordinates for vertices 0 to 3 of every sprite.
constexpr SpriteTexCoord kSpriteUnit1[kSpriteCorners] = {{0, 1}, {1, 1}, {0, 0}, {1, 0}};
constexpr SpriteTexCoord kTwoTextureUnit1[kSpriteCorners] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}};

}  // namespace

bool NSpriteMesh::CapacityFits() const {
    return spriteCapacity > 0 && spriteCapacity <= kMaxSprites;
}

void NSpriteMesh::Init() {
    if (spriteCapacity <= 0) {
        return;
    }
    if (SetUpSprites()) {
        NMesh::Init();
    }
}

void NSpriteMesh::Render() {
    CountSprites();
    CountSubmitted(0, spriteCount);
    NMesh::Render();
}

bool NSpriteMesh::SetUpSprites() {
    spriteCount = 0;
    if (spriteCapacity <= 0 || !AcceptMaterial()) {
        return false;
    }
    if (!AllocateArrays(int64_t{spriteCapacity} * 4, int64_t{spriteCapacity} * 2)) {
        return false;
    }
    vertexCount = 0;
    triangleCount = 0;
    WriteSpriteTriangles();
    PresetSecondTextureUnit();
    return true;
}

void NSpriteMesh::CountSprites() {
    spriteCount = std::clamp(spriteCount, 0, vertexCapacity / 4);
    vertexCount = 4 * spriteCount;
    triangleCount = 2 * spriteCount;
}

int32_t NSpriteMesh::SpritesToBuild(size_t records) const {
    const int64_t fit = std::min<int64_t>(vertexCapacity / 4, static_cast<int64_t>(records));
    return static_cast<int32_t>(std::clamp<int64_t>(spriteCount, 0, fit));
}

void NSpriteMesh::SetSquare(int32_t sprite, float x, float y, float z, float r) {
    const int32_t v = 4 * sprite;
    SetPosition(v + kTopLeft, x - r, y - r, z);
    SetPosition(v + kTopRight, x + r, y - r, z);
    SetPosition(v + kBottomLeft, x - r, y + r, z);
    SetPosition(v + kBottomRight, x + r, y + r, z);
}

// Sprite i owns vertices 4i to 4i+3 and the triangles (4i, 4i+1, 4i+2) and
// (4i+1, 4i+3, 4i+2).
void NSpriteMesh::WriteSpriteTriangles() {
    for (int32_t i = 0; i < spriteCapacity; ++i) {
        const uint32_t v = 4 * static_cast<uint32_t>(i);
        SetTriangle(2 * i, v, v + 1, v + 2);
        SetTriangle(2 * i + 1, v + 1, v + 3, v + 2);
    }
}

// Render never rewrites the second unit, so it is written once here.
void NSpriteMesh::PresetSecondTextureUnit() {
    const SpriteTexCoord* preset = nullptr;
    if (SameLayout(*layout, kSpriteLayout)) {
        preset = kSpriteUnit1;
    } else if (SameLayout(*layout, kTwoTextureLayout)) {
        preset = kTwoTextureUnit1;
    } else {
        return;
    }
    for (int32_t i = 0; i < spriteCapacity; ++i) {
        for (int corner = 0; corner < kSpriteCorners; ++corner) {
            SetTexCoord(4 * i + corner, 1, preset[corner].u, preset[corner].v);
        }
    }
}
