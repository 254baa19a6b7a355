#include "raytrace/Tile.h"

#include <algorithm>

#include "base/Con.h"
#include "base/FrameTime.h"
#include "effects/Sprite.h"
#include "raytrace/Light.h"
#include "raytrace/RaySphere.h"
#include "scene/DocumentChecks.h"
#include "scene/TransformNode.h"

namespace {

// Each primitive draws its quads from the tile's store through a batch of its own
// mesh. The batches of one tile share this many quads, so hundreds of primitives
// cost little more than a few, and no batch is so small that draws multiply.
constexpr int32_t kBatchBudget = 4096;
constexpr int32_t kSmallestBatch = 256;

int32_t PrimitiveOf(const RaySample& sample) {
    return sample.hit & 0xFF;
}

bool SameHits(const RaySample* const corners[4]) {
    const int32_t hit = corners[kTopLeft]->hit;
    return corners[kTopRight]->hit == hit && corners[kBottomLeft]->hit == hit &&
           corners[kBottomRight]->hit == hit;
}

}  // namespace

void NTile::Init() {
    BlockSizes sizes{Subdivision & 0xFF, MinBlockSize, MaxBlockSize};
    NormaliseBlockSizes(sizes);
    Subdivision = sizes.subdivision;
    MinBlockSize = sizes.minSize;
    MaxBlockSize = sizes.maxSize;
    grid = SampleGrid::Shared(MinBlockSize);
    blocksAcross = kPictureWidth / MaxBlockSize;
    blocksDown = kPictureHeight / MaxBlockSize;
    primitiveCount = 0;
    lightCount = 0;
    if (node) {
        Collect(node);
    }
    ReserveQuads();
    NDrawable::Init();
}

void NTile::ReserveQuads() {
    if (primitiveCount == 0) {
        quads.Reserve(0, 0);
        return;
    }
    const int32_t cells = (kPictureWidth / MinBlockSize) * (kPictureHeight / MinBlockSize);
    quads.Reserve(cells, primitiveCount);
    const int32_t batch = std::min(cells, std::max(kSmallestBatch, kBatchBudget / primitiveCount));
    for (int32_t i = 0; i < primitiveCount; ++i) {
        primitives[i]->spriteCapacity = batch;
        primitives[i]->tile = this;
        primitives[i]->tileIndex = i;
    }
}

void NTile::Collect(NTransformNode* at) {
    if (NClass* object = at->Object) {
        if (auto* light = dynamic_cast<NLight*>(object)) {
            AddLight(light);
        } else if (dynamic_cast<NRayPrim*>(object)) {
            AddPrimitive(object);
        }
    }
    for (NTreeNodeClass* child = at->firstChild; child; child = child->next) {
        if (auto* childNode = dynamic_cast<NTransformNode*>(child)) {
            Collect(childNode);
        }
    }
}

void NTile::AddPrimitive(NClass* object) {
    auto* sphere = dynamic_cast<NRaySphere*>(object);
    if (!sphere) {
        Con.Error("NRaytracer: a plain [%s] has no shape to trace; it is left out",
                  ClassNameOf(object));
        return;
    }
    if (primitiveCount == kMaxPrimitives) {
        if (!reportedPrimitives) {
            Con.Error("NRaytracer: more than %d ray primitives; the rest are left out",
                      kMaxPrimitives);
            reportedPrimitives = true;
        }
        return;
    }
    sphere->pass = 2;
    primitives[primitiveCount++] = sphere;
}

void NTile::AddLight(NLight* light) {
    if (lightCount == kMaxLights) {
        if (!reportedLights) {
            Con.Error("NRaytracer: more than %d lights; the rest are left out", kMaxLights);
            reportedLights = true;
        }
        return;
    }
    lights[lightCount++] = light;
}

void NTile::Render() {
    rendered = true;
    renderedFrame = FrameNumber;
    grid->NextFrame();
    quads.Clear();
    if (Subdivision) {
        RenderAdaptive();
    } else {
        RenderCellByCell();
    }
}

void NTile::RenderIfStale() {
    // Unsigned, so the difference holds across the counter's wrap.
    if (!rendered || FrameNumber - renderedFrame > 1) {
        Render();
    }
}

void NTile::RenderAdaptive() {
    const int32_t edge = MaxBlockSize / MinBlockSize;
    const int32_t columns = grid->Columns();
    for (int32_t row = 0; row < blocksDown; ++row) {
        for (int32_t column = 0; column < blocksAcross; ++column) {
            RenderSquare(*grid, row * edge * columns + column * edge, edge);
        }
    }
}

void NTile::RenderSquare(SampleGrid& sampleGrid, int32_t topLeft, int32_t edge) {
    const int32_t columns = sampleGrid.Columns();
    const RaySample* samples = sampleGrid.Samples();
    for (;;) {
        const int32_t bottomLeft = topLeft + columns * edge;
        TraceOnce(sampleGrid, topLeft);
        TraceOnce(sampleGrid, bottomLeft);
        TraceOnce(sampleGrid, bottomLeft + edge);
        TraceOnce(sampleGrid, topLeft + edge);
        const RaySample* corners[4] = {&samples[topLeft], &samples[topLeft + edge],
                                       &samples[bottomLeft], &samples[bottomLeft + edge]};
        if (edge == 1) {
            EmitSmallest(corners);
            return;
        }
        if (SameHits(corners)) {
            if (PrimitiveOf(*corners[kTopLeft]) != kRayMiss) {
                // A margin of a tenth over half the square keeps cracks from showing.
                Emit(corners, corners, (corners[kTopRight]->x - corners[kBottomLeft]->x) * 0.55f);
            }
            return;
        }
        const int32_t half = edge / 2;
        RenderSquare(sampleGrid, topLeft, half);
        RenderSquare(sampleGrid, topLeft + columns * half, half);
        RenderSquare(sampleGrid, topLeft + columns * half + half, half);
        // The top-right quarter continues in place.
        topLeft += half;
        edge = half;
    }
}

void NTile::EmitSmallest(const RaySample* corners[4]) {
    const RaySample* topLeft = corners[kTopLeft];
    if (PrimitiveOf(*topLeft) == kRayMiss) {
        return;
    }
    // Corners that saw something else borrow a corner that agrees with the top-left.
    auto agrees = [topLeft](const RaySample* s) { return s->hit == topLeft->hit; };
    const RaySample* topRight = corners[kTopRight];
    const RaySample* bottomLeft = corners[kBottomLeft];
    const RaySample* bottomRight = corners[kBottomRight];
    const RaySample* shown[4] = {topLeft, topRight, bottomLeft, bottomRight};
    if (!agrees(bottomLeft)) {
        shown[kBottomLeft] = topLeft;
    }
    if (!agrees(topRight)) {
        shown[kTopRight] = agrees(bottomRight) ? bottomRight : topLeft;
    }
    if (!agrees(bottomRight)) {
        shown[kBottomRight] = agrees(topRight)     ? topRight
                              : agrees(bottomLeft) ? bottomLeft
                                                   : topLeft;
    }
    Emit(corners, shown, (topRight->x - bottomLeft->x) * 0.55f);
}

void NTile::TraceRun(int32_t first, int32_t count) {
    for (int32_t i = first; i < first + count; ++i) {
        TraceOnce(*grid, i);
    }
}

void NTile::RenderCellByCell() {
    TraceRun(0, grid->Count());
    const int32_t columns = grid->Columns();
    const RaySample* samples = grid->Samples();
    const float halfCell = static_cast<float>(grid->Spacing()) / kPictureWidth;
    for (int32_t row = 0; row + 1 < grid->Rows(); ++row) {
        for (int32_t column = 0; column + 1 < columns; ++column) {
            const int32_t t = row * columns + column;
            const RaySample* corners[4] = {&samples[t], &samples[t + 1], &samples[t + columns],
                                           &samples[t + columns + 1]};
            const int32_t primitive = PrimitiveOf(*corners[kTopLeft]);
            if (primitive != kRayMiss && PrimitiveOf(*corners[kTopRight]) == primitive &&
                PrimitiveOf(*corners[kBottomLeft]) == primitive &&
                PrimitiveOf(*corners[kBottomRight]) == primitive) {
                Emit(corners, corners, halfCell);
            }
        }
    }
}

void NTile::Emit(const RaySample* const square[4], const RaySample* const shown[4],
                 float halfSize) {
    const int32_t index = PrimitiveOf(*square[kTopLeft]);
    if (index >= primitiveCount) {
        return;
    }
    CornerSprite* quad = quads.Add(index);
    if (!quad) {
        return;
    }
    CornerSprite& sprite = *quad;
    sprite.x = (square[kTopLeft]->x + square[kBottomRight]->x) * 0.5f;
    sprite.y = (square[kTopLeft]->y + square[kBottomRight]->y) * 0.5f;
    sprite.z = -0.5f;
    sprite.r = halfSize;
    for (int k = 0; k < 4; ++k) {
        sprite.texCoord[k] = {shown[k]->u, shown[k]->v};
        sprite.shade[k] = shown[k]->shade;
    }
}
