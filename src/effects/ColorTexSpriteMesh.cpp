#include "effects/ColorTexSpriteMesh.h"

namespace {

// Corner k's alpha byte; the vertex program reads k back as alpha * 4.
constexpr uint8_t kCornerAlpha[kSpriteCorners] = {0, 64, 128, 192};

}  // namespace

void NColorTexSpriteMesh::BuildVertices() {
    const int32_t count = CornerSpritesToBuild();
    for (int32_t i = 0; i < count; ++i) {
        const CornerSprite& sprite = cornerSprites[i];
        for (int corner = 0; corner < kSpriteCorners; ++corner) {
            const int32_t vertex = 4 * i + corner;
            SetPosition(vertex, sprite.x, sprite.y, sprite.z);
            SetColor(vertex, 255, 255, 255, kCornerAlpha[corner]);
            SetTexCoord(vertex, 0, sprite.texCoord[corner].u, sprite.texCoord[corner].v);
        }
    }
}
