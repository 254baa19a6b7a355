// One ray sample of a tile's grid: where on the screen the ray goes and what it
// found there this frame.
#pragma once

#include <cstdint>

// The low byte of a hit is the index of the primitive hit; this value means none.
constexpr int32_t kRayMiss = 255;
// Set in a hit whose point lies in shadow, so a shadow edge splits blocks as a
// primitive edge does.
constexpr int32_t kRayShadow = 256;

struct RaySample {
    // Lighting of the hit, 0 to 255.
    uint8_t shade = 0;
    // (s, s, s, 1) for a hit with shade s, all 0 for a miss.
    float colour[4] = {};
    // Screen position, fixed when the grid is made.
    float x = 0;
    float y = 0;
    // Texture coordinates on the primitive hit.
    float u = 0;
    float v = 0;
    int32_t hit = 0;
    // The frame this sample was last traced in: a sample shared by neighbouring
    // blocks is traced once per frame, whatever it hit.
    uint32_t tracedFrame = 0;
};
