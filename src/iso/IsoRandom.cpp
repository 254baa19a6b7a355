#include "iso/IsoRandom.h"

float IsoRandom::Next() {
    // Unsigned arithmetic wraps modulo 2^32, which is the sequence's definition.
    state = (state + 1u) * 0x31415621u;
    return static_cast<float>(state & 255u) / 255.0f;
}

IsoRandom& IsoRandomSequence() {
    static IsoRandom sequence;
    return sequence;
}
