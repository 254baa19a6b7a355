// Music decoded to interleaved stereo float frames at the output rate, and the one
// way the player, the capture tool and the check tool open a music file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

// The highest rate music is decoded from or played at; no music needs more, and
// a higher one in a file is damage.
constexpr uint32_t kMaxSampleRate = 192000;
// The rate the demo plays its music at.
constexpr int kMusicRate = 44100;

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
    // The length the file's header declares, in seconds; negative where the format
    // declares none and only decoding tells.
    virtual double DeclaredSeconds() const { return -1; }
};

// A decoder for a music file image: a sampled stream if libsndfile reads it, else
// a tracker module (with volume ramping, as the demo has always loaded modules).
// Null when it is neither; the image must outlive the decoder. `name`, the music
// file's, is what refusals name.
std::unique_ptr<MusicDecoder> OpenMusic(const unsigned char* data, size_t size,
                                        int rate = kMusicRate, const char* name = nullptr);
