#include "effects/SpriteEffect01.h"

#include "base/Con.h"
#include "base/FrameTime.h"
#include "base/ScalarMath.h"

void NSpriteEffect01::Init() {
    spriteCapacity = kCapacity;
    sprites.assign(kCapacity, Sprite{});
    NSpriteMesh::Init();
}

void NSpriteEffect01::Render() {
    if (!Animate(CurrentTime)) {
        return;
    }
    BuildVertices();
    NSpriteMesh::Render();
}

bool NSpriteEffect01::Animate(float t) {
    if (spriteCapacity < kAnimatedSprites ||
        static_cast<int32_t>(sprites.size()) < kAnimatedSprites) {
        Con.Error("NSpriteMesh: not enough sprites");
        return false;
    }
    spriteCount = kAnimatedSprites;
    for (int32_t i = 0; i < kAnimatedSprites; ++i) {
        const float b = static_cast<float>(i + 77) * 0.01f;
        const float radius = b * (0.1f * Sin(90.0f * b + t) + 0.6f);
        const float angle = 0.45f * Sin(20.0f * b + t) + 25.0f * b;
        Sprite& sprite = sprites[i];
        sprite.x = radius * Sin(angle);
        sprite.y = radius * Cos(angle);
        sprite.z = 0.01f * b - 0.5f;
        sprite.r = 0.002f * Sin(2.0f * Pi() * (b + 0.1f * t)) + 0.08f;
        sprite.uLeft = sprite.x - 0.1f;
        sprite.uRight = sprite.x + 0.1f;
        sprite.vFirst = sprite.y + 0.1f;
        sprite.vSecond = sprite.y - 0.1f;
    }
    return true;
}

void NSpriteEffect01::BuildVertices() {
    const int32_t count = SpritesToBuild(sprites.size());
    for (int32_t i = 0; i < count; ++i) {
        const Sprite& sprite = sprites[i];
        const int32_t v = 4 * i;
        SetSquare(i, sprite.x, sprite.y, sprite.z, sprite.r);
        SetTexCoord(v + kTopLeft, 0, sprite.uLeft, sprite.vFirst);
        SetTexCoord(v + kTopRight, 0, sprite.uRight, sprite.vFirst);
        SetTexCoord(v + kBottomLeft, 0, sprite.uLeft, sprite.vSecond);
        SetTexCoord(v + kBottomRight, 0, sprite.uRight, sprite.vSecond);
        for (int corner = 0; corner < kSpriteCorners; ++corner) {
            SetNormal(v + corner, 0.0f, 0.0f, 1.0f);
        }
    }
}
