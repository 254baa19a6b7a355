// One music channel of the audio library: a decoder with its volume, pan, play
// position, level and syncs. The player's thread changes a channel only while it
// holds the audio device's lock; what the audio thread writes back is atomic, so
// the player's thread reads it without waiting.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include "sound/BassLibrary.h"
#include "sound/MusicDecoder.h"

class AudioChannel {
  public:
    // `image` is the channel's own copy of a named file (empty for music in the
    // caller's memory); the decoder may point into it.
    AudioChannel(uint32_t handle, std::unique_ptr<MusicDecoder> decoder,
                 std::vector<unsigned char> image, int rate);
    AudioChannel(const AudioChannel&) = delete;
    AudioChannel& operator=(const AudioChannel&) = delete;

    // Starts playing; from the start when asked or when the music has ended.
    bool Play(bool restart);
    bool SetAttributes(float newVolume, float newPan);
    void AddSync(uint32_t sync, uint32_t type, uint64_t milliseconds, BassSyncProc proc,
                 void* user);

    // Audio thread: adds `frames` stereo frames of this channel to `out`.
    void MixInto(float* out, int frames, float masterVolume);

    uint32_t Handle() const { return handle; }
    bool IsPlaying() const { return playing.load(std::memory_order_acquire); }
    uint64_t PositionMs() const;
    uint32_t Level() const { return level.load(std::memory_order_relaxed); }
    float Volume() const { return volume; }
    float Pan() const { return pan; }

  private:
    struct Sync {
        uint32_t handle;
        uint32_t type;
        uint64_t frame;
        BassSyncProc proc;
        void* user;
    };

    // Calls the syncs that the step from `before` to `after` frames passes, and
    // the end syncs when the music has ended.
    void RunSyncs(uint64_t before, uint64_t after, bool ended);

    const uint32_t handle;
    const std::unique_ptr<MusicDecoder> decoder;
    const std::vector<unsigned char> image;
    const int rate;
    std::vector<float> block;
    std::vector<Sync> syncs;
    float volume = 1.0f;
    float pan = 0.0f;
    std::atomic<bool> playing{false};
    std::atomic<bool> ended{false};
    std::atomic<uint64_t> playedFrames{0};
    std::atomic<uint32_t> level{0};
};
