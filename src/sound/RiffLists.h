// A guard for WAV files before libsndfile reads them. libsndfile walks the parts of a
// LIST or INFO chunk with a 32-bit count; a part declaring more than its chunk holds
// wraps that count and can send the walk back over the same bytes for minutes, so a
// file of a few dozen bytes would stall the player.
#pragma once

#include <cstddef>

// False when `data` is a RIFF, RF64 or RIFX file with a LIST or INFO chunk one of
// whose parts declares more bytes than are left of the chunk (the chunk itself cut
// at the end of the file, as libsndfile cuts it); true otherwise, whatever else the
// file holds.
bool RiffListsFit(const unsigned char* data, size_t size);
