// The isosurface's pseudo-random sequence: a 32-bit state stepped by one
// multiplication, giving numbers in 0..1 in steps of 1/255. The sequence is fixed so
// that the sources orbit the same way in every run.
#pragma once

#include <cstdint>

class IsoRandom {
  public:
    // Steps the state and returns its low byte / 255.
    float Next();

    uint32_t state = 0xFD462A16u;
};

// The process-wide sequence the default source system draws from.
IsoRandom& IsoRandomSequence();
