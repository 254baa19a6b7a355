// The tick count: milliseconds from a monotonic clock. Key presses, the music clock
// and the time guards read it; tests replace its source to control time.
#pragma once

#include <cstdint>

uint32_t GetTickCount();

using TickSource = uint32_t (*)();
// Makes GetTickCount read `source`; null restores the system clock.
void SetTickSource(TickSource source);
