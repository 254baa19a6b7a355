// The two sprite records that sprite meshes turn into quads. The raytracer's tiles
// write corner sprites as well, so both records keep a fixed size: 32 and 52 bytes.
#pragma once

#include <cstdint>

// A sprite's corners, in the order of its four vertices.
enum SpriteCorner { kTopLeft = 0, kTopRight = 1, kBottomLeft = 2, kBottomRight = 3 };
constexpr int kSpriteCorners = 4;

// A square of half-size r about (x, y, z) with one texture rectangle.
struct Sprite {
    float x, y, z;
    float r;
    float uLeft, uRight;
    float vFirst, vSecond;
};

struct SpriteTexCoord {
    float u, v;
};

// A square of half-size r about (x, y, z) with texture coordinates and a shade of
// its own at each corner.
struct CornerSprite {
    float x, y, z;
    float r;
    SpriteTexCoord texCoord[kSpriteCorners];
    uint8_t shade[kSpriteCorners];
};

static_assert(sizeof(Sprite) == 32);
static_assert(sizeof(CornerSprite) == 52);
