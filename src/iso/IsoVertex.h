// The isosurface's vertex record: the 36-byte layout of the particle material.
#pragma once

#include <cstdint>

struct IsoVertex {
    float x, y, z;
    uint8_t r, g, b, a;
    float u, v;
    float nx, ny, nz;
};

static_assert(sizeof(IsoVertex) == 36, "the particle material's vertex stride");
