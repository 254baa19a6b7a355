// The second raytracer's screen side: a fixed coarse grid whose every cell corner
// is traced each frame, and whose cells become the sprites of the tile itself,
// pulsing in size with time.
#pragma once

#include <cstdint>
#include <memory>

#include "effects/SpriteMesh02.h"
#include "raytrace/BlockSizes.h"
#include "raytrace/SampleGrid.h"

class NTile01 : public NSpriteMesh02 {
  public:
    // Block sizes, the shared grid of its cells and one sprite per cell, then the
    // sprite mesh.
    void Init() override;
    // Traces every sample, emits the cells, draws the sprites.
    void Render() override;
    // Traces every sample and emits the cells; needs no window.
    void TraceAndEmit();
    virtual void Trace(RaySample& sample) = 0;

    int32_t subdivision = 1;
    int32_t minBlockSize = 16;
    int32_t maxBlockSize = 16;
    int32_t samplesPerBlock = 0;
    int32_t cellsAcross = 0;
    int32_t blocksAcross = 0;
    int32_t cellsDown = 0;
    int32_t blocksDown = 0;
    std::shared_ptr<SampleGrid> grid;

  private:
    void EmitCells(float time);
};
