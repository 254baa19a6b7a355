// The block sizes of a tile, in pixels: powers of two from 1 to 32, so that they
// divide both 640 and 480.
#pragma once

#include <cstdint>

struct BlockSizes {
    // Non-zero: blocks are subdivided where their corners differ; zero: every cell
    // of the smallest size is traced.
    int32_t subdivision = 1;
    int32_t minSize = 1;
    int32_t maxSize = 16;
};

// Rounds both sizes down to a power of two of at most 32 (a maximum below 1
// becomes 8, a minimum below 1 the smaller of the maximum and 8), raises the
// maximum to the minimum, and without subdivision makes the minimum the maximum.
void NormaliseBlockSizes(BlockSizes& sizes);
