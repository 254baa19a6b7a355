#include "raytrace/BlockSizes.h"

#include <algorithm>

namespace {

int32_t PowerOfTwoAtMost(int32_t size) {
    for (int32_t power = 32; power > 1; power /= 2) {
        if (size >= power) {
            return power;
        }
    }
    return 1;
}

}  // namespace

void NormaliseBlockSizes(BlockSizes& sizes) {
    sizes.maxSize = sizes.maxSize < 1 ? 8 : PowerOfTwoAtMost(sizes.maxSize);
    if (sizes.minSize < 1) {
        sizes.minSize = std::min(sizes.maxSize, 8);
    } else {
        sizes.minSize = PowerOfTwoAtMost(sizes.minSize);
        sizes.maxSize = std::max(sizes.maxSize, sizes.minSize);
    }
    if (sizes.subdivision == 0) {
        sizes.minSize = sizes.maxSize;
    }
}
