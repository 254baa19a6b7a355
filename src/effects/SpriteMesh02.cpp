#include "effects/SpriteMesh02.h"

void NSpriteMesh02::BuildVertices() {
    const int32_t count = CornerSpritesToBuild();
    for (int32_t i = 0; i < count; ++i) {
        const CornerSprite& sprite = cornerSprites[i];
        SetSquare(i, sprite.x, sprite.y, sprite.z, sprite.r);
        for (int corner = 0; corner < kSpriteCorners; ++corner) {
            const int32_t vertex = 4 * i + corner;
            SetTexCoord(vertex, 0, sprite.texCoord[corner].u, sprite.texCoord[corner].v);
            SetNormal(vertex, 0.0f, 0.0f, 1.0f);
        }
    }
}
