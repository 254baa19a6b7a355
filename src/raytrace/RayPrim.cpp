#include "raytrace/RayPrim.h"

#include "raytrace/Tile.h"

void NRayPrim::Render() {
    // Only a tile gives a primitive a capacity, and with it a place in the drawables.
    if (!tile || cornerSprites.empty()) {
        return;
    }
    tile->RenderIfStale();
    const int32_t room = static_cast<int32_t>(cornerSprites.size());
    int32_t at = tile->quads.First(tileIndex);
    // Even without quads the material is bound, as for any sprite mesh.
    do {
        spriteCount = tile->quads.Copy(at, cornerSprites.data(), room);
        NColorTexSpriteMesh01::Render();
    } while (at != TileQuads::kEnd);
}

void NRayPrim::TexCoord(const Vector3&, float& u, float& v) const {
    u = 0.0f;
    v = 0.0f;
}
