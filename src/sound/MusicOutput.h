// The audio device and the one piece of music it plays. The player's thread opens,
// plays, pauses and closes; SDL's audio thread pulls the music through the decoder
// a device buffer at a time. The decoder changes hands only under the device's
// lock, and what the audio thread writes back is atomic, so reading it never waits.
#pragma once

#include <SDL.h>

#include <atomic>
#include <cstdint>
#include <memory>

#include "sound/MusicDecoder.h"

class MusicOutput {
  public:
    MusicOutput() = default;
    MusicOutput(const MusicOutput&) = delete;
    MusicOutput& operator=(const MusicOutput&) = delete;
    ~MusicOutput();

    // Opens the default device, stereo, at `rate` Hz or the rate the device insists
    // on, and starts it (silent until Play); false without a device.
    bool Open(int rate);
    // Stops the device and drops the music.
    void Close();
    bool IsOpen() const { return device != 0; }
    // The rate music must be decoded at for this output.
    int Rate() const { return rate; }

    // Plays `music` from where it stands, in place of what played before.
    void Play(std::unique_ptr<MusicDecoder> music);
    // Both false when the output is not open.
    bool Pause();
    bool Resume();
    // From 0 (silent) to 1 (as decoded); kept across Open and Close.
    void SetVolume(float volume);

    // Milliseconds of the music played so far.
    int64_t PositionMs() const;

  private:
    static void Mix(void* self, Uint8* stream, int length);

    SDL_AudioDeviceID device = 0;
    int rate = 0;
    std::unique_ptr<MusicDecoder> music;
    std::atomic<float> volume{1.0f};
    std::atomic<int64_t> playedFrames{0};
};
