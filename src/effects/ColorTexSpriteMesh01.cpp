#include "effects/ColorTexSpriteMesh01.h"

void NColorTexSpriteMesh01::BuildVertices() {
    const int32_t count = CornerSpritesToBuild();
    for (int32_t i = 0; i < count; ++i) {
        const CornerSprite& sprite = cornerSprites[i];
        SetSquare(i, sprite.x, sprite.y, sprite.z, sprite.r);
        for (int corner = 0; corner < kSpriteCorners; ++corner) {
            const int32_t vertex = 4 * i + corner;
            const uint8_t shade = sprite.shade[corner];
            SetColor(vertex, shade, shade, shade, 255);
            SetTexCoord(vertex, 0, sprite.texCoord[corner].u, sprite.texCoord[corner].v);
        }
    }
}
