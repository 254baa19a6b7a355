#include "raytrace/SampleGrid.h"

#include <cstddef>

namespace {

// Block sizes are the powers of two from 1 to 32.
constexpr int kSpacings = 6;

// The slot of the shared grid of `spacing`, or -1 for a spacing no block has.
int SpacingSlot(int32_t spacing) {
    for (int slot = 0; slot < kSpacings; ++slot) {
        if (spacing == 1 << slot) {
            return slot;
        }
    }
    return -1;
}

}  // namespace

SampleGrid::SampleGrid(int32_t newSpacing)
    : columns(kPictureWidth / newSpacing + 1),
      rows(kPictureHeight / newSpacing + 1),
      spacing(newSpacing) {
    samples = new RaySample[static_cast<size_t>(Count())];
    for (int32_t row = 0; row < rows; ++row) {
        for (int32_t column = 0; column < columns; ++column) {
            RaySample& sample = samples[row * columns + column];
            sample.x = 2.0f * static_cast<float>(column * spacing) / kPictureWidth - 1.0f;
            sample.y = 1.5f * static_cast<float>(row * spacing) / kPictureHeight - 0.75f;
        }
    }
}

SampleGrid::~SampleGrid() {
    delete[] samples;
}

std::shared_ptr<SampleGrid> SampleGrid::Shared(int32_t spacing) {
    static std::weak_ptr<SampleGrid> grids[kSpacings];
    const int slot = SpacingSlot(spacing);
    if (slot < 0) {
        return std::make_shared<SampleGrid>(spacing);
    }
    std::shared_ptr<SampleGrid> grid = grids[slot].lock();
    if (!grid) {
        grid = std::make_shared<SampleGrid>(spacing);
        grids[slot] = grid;
    }
    return grid;
}

void SampleGrid::NextFrame() {
    // Frame 0 is what a fresh sample holds, so the count skips it when it wraps.
    if (++frame == 0) {
        for (int32_t i = 0; i < Count(); ++i) {
            samples[i].tracedFrame = 0;
        }
        frame = 1;
    }
}
