#include "raytrace/Tile01.h"

#include "base/FrameTime.h"
#include "base/ScalarMath.h"

void NTile01::Init() {
    BlockSizes sizes{subdivision & 1, minBlockSize, maxBlockSize};
    NormaliseBlockSizes(sizes);
    minBlockSize = sizes.minSize;
    maxBlockSize = sizes.maxSize;
    samplesPerBlock = maxBlockSize / minBlockSize;
    cellsAcross = kPictureWidth / minBlockSize;
    blocksAcross = kPictureWidth / maxBlockSize;
    cellsDown = kPictureHeight / minBlockSize;
    blocksDown = kPictureHeight / maxBlockSize;
    grid = SampleGrid::Shared(minBlockSize);
    spriteCapacity = cellsAcross * cellsDown;
    NSpriteMesh02::Init();
}

void NTile01::Render() {
    TraceAndEmit();
    NSpriteMesh02::Render();
}

void NTile01::TraceAndEmit() {
    grid->NextFrame();
    RaySample* samples = grid->Samples();
    for (int32_t i = 0; i < grid->Count(); ++i) {
        if (grid->Claim(samples[i])) {
            Trace(samples[i]);
        }
    }
    EmitCells(CurrentTime);
}

void NTile01::EmitCells(float t) {
    spriteCount = 0;
    const float a = 1.0f / static_cast<float>(cellsAcross);
    const float d = 1.0f / static_cast<float>(cellsDown);
    const float r =
        a * (0.4f * Sin(0.1f * t + 0.2f * t * a * d + 0.1f * t * a - 0.12f * t * d) + 1.2f);
    const int32_t columns = grid->Columns();
    const RaySample* samples = grid->Samples();
    for (int32_t row = 0; row < cellsDown; ++row) {
        for (int32_t column = 0; column < cellsAcross; ++column) {
            const int32_t t0 = row * columns + column;
            const RaySample* corners[4] = {&samples[t0], &samples[t0 + 1], &samples[t0 + columns],
                                           &samples[t0 + columns + 1]};
            const int32_t hit = corners[0]->hit;
            if (corners[1]->hit != hit || corners[2]->hit != hit || corners[3]->hit != hit ||
                static_cast<size_t>(spriteCount) >= cornerSprites.size()) {
                continue;
            }
            CornerSprite& sprite = cornerSprites[spriteCount++];
            sprite.x = (corners[0]->x + corners[3]->x) * 0.5f;
            sprite.y = (corners[0]->y + corners[3]->y) * 0.5f;
            sprite.z = 0.05f * r - 0.5f;
            sprite.r = r;
            for (int k = 0; k < 4; ++k) {
                sprite.texCoord[k] = {corners[k]->u, corners[k]->v};
            }
        }
    }
}
