// A guard for WAV files before libsndfile reads them: a LIST chunk whose parts declare
// more bytes than the chunk holds sends libsndfile's walk over those parts round its
// 32-bit count for minutes, so a 160-byte file would stall the player.
#pragma once

#include <cstddef>

// False when `data` is a RIFF, RF64 or RIFX file with a LIST chunk larger than the
// file, or a part of a LIST chunk larger than the rest of that chunk; true otherwise,
// whatever else the file holds.
bool RiffListsFit(const unsigned char* data, size_t size);
