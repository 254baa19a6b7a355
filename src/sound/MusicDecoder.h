// What the audio library's channels play: music decoded to interleaved stereo
// float frames at the output rate.
#pragma once

#include <cstdint>

// The highest rate the audio library opens a device at or decodes music from;
// resampling from a higher one can overflow the converter's sizes.
constexpr uint32_t kMaxSampleRate = 192000;

class MusicDecoder {
  public:
    MusicDecoder() = default;
    MusicDecoder(const MusicDecoder&) = delete;
    MusicDecoder& operator=(const MusicDecoder&) = delete;
    virtual ~MusicDecoder() = default;

    // Writes up to `frames` frames (two floats each) and returns how many it wrote;
    // fewer than asked means the music has ended. Runs on the audio thread.
    virtual int Decode(float* stereo, int frames) = 0;
    // Goes back to the start; false when the music cannot seek.
    virtual bool Rewind() = 0;
};
