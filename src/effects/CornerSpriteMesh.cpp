#include "effects/CornerSpriteMesh.h"

void NCornerSpriteMesh::Init() {
    if (CapacityFits()) {
        cornerSprites.assign(static_cast<size_t>(spriteCapacity), CornerSprite{});
    }
    NSpriteMesh::Init();
}

void NCornerSpriteMesh::Render() {
    BuildVertices();
    NSpriteMesh::Render();
}
