// The production's music decoded without an audio device, exactly as the player
// plays it, for tools that need its samples or its length.
#pragma once

#include <vector>

#include "sound/MusicDecoder.h"

// Decodes the rest of the music and returns how many stereo frames it held.
long CountFrames(MusicDecoder& music);

// How long a piece of music runs, as far as a tool needs to know it.
struct MusicLength {
    double seconds = 0;
    // False when decoding stopped before the end: the music runs at least `seconds`.
    bool complete = true;
};
// Decoding stops after this much wall-clock time: a module can take far longer to
// render than any check should wait.
constexpr unsigned kMeasureMilliseconds = 3000;
// The length the header declares; where there is none, the length decoding finds,
// decoding no more than `enough` seconds and for kMeasureMilliseconds at most.
MusicLength MeasureMusic(MusicDecoder& music, double enough);

// Decodes and drops `count` frames, fewer where the music ends first.
void SkipFrames(MusicDecoder& music, long count);
// Fills `frames` stereo frames (two floats each), with silence where the music has
// ended; returns how many came from the music.
int DecodeBlock(MusicDecoder& music, float* stereo, int frames);
// Skips `first` frames, then decodes `count` stereo frames (two floats each) into
// `stereo`, which is resized to fit; silence where the music has ended.
void DecodeSpan(MusicDecoder& music, long first, long count, std::vector<float>* stereo);
