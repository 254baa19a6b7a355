// The screen side of the raytracer: casts rays only at the corners of screen
// blocks, subdivides a block where its corners saw different things, and emits
// each block as one textured, shaded quad into the sprite list of the primitive
// its corners hit. What one ray finds is left to `Trace`.
#pragma once

#include <cstdint>

#include "raytrace/BlockSizes.h"
#include "raytrace/SampleGrid.h"
#include "reflect/MemberTable.h"
#include "scene/Drawable.h"

class NLight;
class NRaySphere;
class NTransformNode;

class NTile : public NDrawable {
  public:
    // Primitives are told apart by the low byte of a hit, whose last value means
    // a miss.
    static constexpr int32_t kMaxPrimitives = 255;
    static constexpr int32_t kMaxLights = 256;

    // Normalises the block sizes, makes the tile's own sample grid, collects the
    // primitives and lights under its node (giving each primitive its sprite
    // capacity and pass 2), then joins the scene's drawables.
    void Init() override;
    // Traces the samples this frame needs and refills the primitives' sprite lists;
    // the primitives draw them.
    void Render() override;
    // Fills a sample this frame has not traced yet.
    virtual void Trace(RaySample& sample) = 0;
    // Fills the `count` samples from index `first` on that this frame has not traced
    // yet; a tile that works on several rays together overrides it.
    virtual void TraceRun(int32_t first, int32_t count);

    int32_t Subdivision = 1;
    int32_t MinBlockSize = 1;
    int32_t MaxBlockSize = 16;

    int32_t blocksAcross = 0;
    int32_t blocksDown = 0;
    int32_t primitiveCount = 0;
    NRaySphere* primitives[kMaxPrimitives] = {};
    int32_t lightCount = 0;
    NLight* lights[kMaxLights] = {};
    SampleGrid grid;

  protected:
    void RenderAdaptive();
    void RenderCellByCell();

  private:
    void Collect(NTransformNode* node);
    void AddPrimitive(NClass* object);
    // One sprite per cell of the smallest block size, within what a mesh may hold.
    int32_t SpriteCapacity() const;
    void AddLight(NLight* light);
    void TraceOnce(int32_t index) {
        RaySample& sample = grid.Samples()[index];
        if (grid.Claim(sample)) {
            Trace(sample);
        }
    }
    // The square of `edge` samples whose top-left sample is `topLeft`.
    void RenderSquare(int32_t topLeft, int32_t edge);
    void EmitSmallest(const RaySample* corners[4]);
    // Emits the quad over the square with corners TL, TR, BL, BR in `square`,
    // showing the samples `shown` at its corners, into the primitive TL hit.
    void Emit(const RaySample* const square[4], const RaySample* const shown[4], float halfSize);

    bool reportedPrimitives = false;
    bool reportedLights = false;
};
