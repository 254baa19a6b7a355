// The millisecond tick count behind the sound clock, replaceable so that tests can
// drive the clock by hand.
#pragma once

#include <cstdint>

using TickSource = uint32_t (*)();

// Milliseconds from a monotonic clock; wraps after about 49 days like the
// system tick count it stands for, so clocks subtract ticks in unsigned arithmetic.
uint32_t SoundTicks();

// Replaces the tick source; null restores the system clock.
void SetSoundTickSource(TickSource source);
