// The production's music decoded without an audio device, exactly as the player
// plays it, for tools that need its samples or its length.
#pragma once

#include <vector>

#include "sound/MusicDecoder.h"

// Decodes the rest of the music and returns how many stereo frames it held.
long CountFrames(MusicDecoder& music);

// Skips `first` frames, then decodes `count` stereo frames (two floats each) into
// `stereo`, which is resized to fit; silence where the music has ended.
void DecodeSpan(MusicDecoder& music, long first, long count, std::vector<float>* stereo);
