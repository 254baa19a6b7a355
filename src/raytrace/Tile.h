// The screen side of the raytracer: casts rays only at the corners of screen
// blocks, subdivides a block where its corners saw different things, and emits
// each block as one textured, shaded quad for the primitive its corners hit. What
// one ray finds is left to `Trace`. The quads of all primitives together live in
// the tile, sized by its cells; each primitive draws its own in batches.
#pragma once

#include <cstdint>
#include <memory>

#include "raytrace/BlockSizes.h"
#include "raytrace/SampleGrid.h"
#include "raytrace/TileQuads.h"
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

    // Normalises the block sizes, takes the shared sample grid of its smallest
    // block, collects the primitives and lights under its node (giving each
    // primitive pass 2 and the batch it draws its quads in), sizes the quad store
    // by the cells, then joins the scene's drawables.
    void Init() override;
    // Traces the samples this frame needs and refills the quads; the primitives
    // draw them.
    void Render() override;
    // Renders now unless the quads are from this frame or the one before. The
    // primitives draw in pass 2, before the tile's own turn refills the quads, so
    // the first frame of a part would otherwise show no quads or stale ones.
    void RenderIfStale();
    // The next frame traces before the primitives draw, as a part's first frame does.
    void Rewind() override { rendered = false; }
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
    std::shared_ptr<SampleGrid> grid;
    TileQuads quads;

  protected:
    void RenderAdaptive();
    void RenderCellByCell();

  private:
    void Collect(NTransformNode* node);
    void AddPrimitive(NClass* object);
    void AddLight(NLight* light);
    // Sizes the quad store and the primitives' draw batches for what was collected.
    void ReserveQuads();
    // The grid is passed along rather than read through `grid`, which a virtual
    // Trace could change for all the compiler knows: the walk is hot.
    void TraceOnce(SampleGrid& sampleGrid, int32_t index) {
        RaySample& sample = sampleGrid.Samples()[index];
        if (sampleGrid.Claim(sample)) {
            Trace(sample);
        }
    }
    // The square of `edge` samples whose top-left sample is `topLeft`.
    void RenderSquare(SampleGrid& sampleGrid, int32_t topLeft, int32_t edge);
    void EmitSmallest(const RaySample* corners[4]);
    // Emits the quad over the square with corners TL, TR, BL, BR in `square`,
    // showing the samples `shown` at its corners, into the primitive TL hit.
    void Emit(const RaySample* const square[4], const RaySample* const shown[4], float halfSize);

    bool reportedPrimitives = false;
    bool reportedLights = false;
    // The frame the quads were last refilled in, once there was one.
    bool rendered = false;
    uint32_t renderedFrame = 0;
};
