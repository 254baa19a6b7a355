// The screen's ray samples for one tile: one sample every `spacing` pixels over
// the 640 x 480 screen, corners included, row by row from the top.
#pragma once

#include <cstdint>

#include "raytrace/RaySample.h"

class SampleGrid {
  public:
    SampleGrid() = default;
    ~SampleGrid();
    SampleGrid(const SampleGrid&) = delete;
    SampleGrid& operator=(const SampleGrid&) = delete;

    // (640 / spacing + 1) x (480 / spacing + 1) samples with their screen positions:
    // x from -1 to 1 left to right, y from -0.75 at the top to 0.75 at the bottom.
    // Once; a second call keeps the first grid.
    void Create(int32_t spacing);
    // Starts a frame: every sample counts as untraced.
    void NextFrame();
    // Whether the sample still has to be traced this frame; marks it traced.
    bool Claim(RaySample& sample) {
        if (sample.tracedFrame == frame) {
            return false;
        }
        sample.tracedFrame = frame;
        return true;
    }

    RaySample* Samples() { return samples; }
    int32_t Columns() const { return columns; }
    int32_t Rows() const { return rows; }
    int32_t Count() const { return columns * rows; }
    int32_t Spacing() const { return spacing; }

  private:
    RaySample* samples = nullptr;
    int32_t columns = 0;
    int32_t rows = 0;
    int32_t spacing = 1;
    uint32_t frame = 0;
};
