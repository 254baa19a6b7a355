// The production's music decoded without an audio device, exactly as the library's
// channel would play it, for tools that need its samples or its length.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "sound/MusicDecoder.h"

// The rate the demo plays its music at.
constexpr int kMusicRate = 44100;

// A decoder for a music file image, tried as the player tries it: as a sampled
// stream first, then as a tracker module (with volume ramping, as the demo loads
// modules). Null when it is neither; the image must outlive the decoder.
std::unique_ptr<MusicDecoder> OpenMusic(const unsigned char* data, size_t size,
                                        int rate = kMusicRate);

// Decodes the rest of the music and returns how many stereo frames it held.
long CountFrames(MusicDecoder& music);

// Skips `first` frames, then decodes `count` stereo frames (two floats each) into
// `stereo`, which is resized to fit; silence where the music has ended.
void DecodeSpan(MusicDecoder& music, long first, long count, std::vector<float>* stereo);
