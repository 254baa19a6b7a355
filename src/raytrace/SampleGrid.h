// The screen's ray samples: one sample every `spacing` pixels over the picture,
// corners included, row by row from the top. Tiles of the same spacing share one
// grid, so any number of raytracers costs the memory of at most one grid per
// spacing. Sharing is safe on the one thread: a tile reads back its samples within
// its own render, before another tile traces.
#pragma once

#include <cstdint>
#include <memory>

#include "raytrace/RaySample.h"

// The picture the samples cover, in pixels: x runs from -1 to 1 across its width,
// y from -0.75 at the top to 0.75 at the bottom.
constexpr int32_t kPictureWidth = 640;
constexpr int32_t kPictureHeight = 480;

class SampleGrid {
  public:
    // (width / spacing + 1) x (height / spacing + 1) samples with their screen
    // positions. `spacing` is a block size: a power of two from 1 to 32.
    explicit SampleGrid(int32_t spacing);
    ~SampleGrid();
    SampleGrid(const SampleGrid&) = delete;
    SampleGrid& operator=(const SampleGrid&) = delete;

    // The grid of `spacing` that every tile of that spacing holds: made by the first
    // to ask, freed with the last holder.
    static std::shared_ptr<SampleGrid> Shared(int32_t spacing);

    // Starts a tile's frame: every sample counts as untraced.
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
