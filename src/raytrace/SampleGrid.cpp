#include "raytrace/SampleGrid.h"

#include <cstddef>

SampleGrid::~SampleGrid() {
    delete[] samples;
}

void SampleGrid::Create(int32_t newSpacing) {
    if (samples) {
        return;
    }
    spacing = newSpacing;
    columns = 640 / spacing + 1;
    rows = 480 / spacing + 1;
    samples = new RaySample[static_cast<size_t>(Count())];
    for (int32_t row = 0; row < rows; ++row) {
        for (int32_t column = 0; column < columns; ++column) {
            RaySample& sample = samples[row * columns + column];
            sample.x = 2.0f * static_cast<float>(column * spacing) / 640.0f - 1.0f;
            sample.y = 1.5f * static_cast<float>(row * spacing) / 480.0f - 0.75f;
        }
    }
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
