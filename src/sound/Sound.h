// The sound the demo uses: the millisecond clock the timeline runs on, and the
// music through a MusicOutput when the flags ask for it. The clock is the wall
// clock from the moment the music started playing; it never reads the music's own
// position, so a show whose music cannot play still runs, on the clock alone.
#pragma once

#include "sound/MusicOutput.h"

// Sound flags given to Init; of the rate bits, the highest set wins.
constexpr int kSoundRate11025 = 1;
constexpr int kSoundRate22050 = 2;
constexpr int kSoundRate44100 = 4;
// Music through the audio device; without it the sound is a clock only.
constexpr int kSoundMusic = 8;

class NSound {
  public:
    enum State { kFree = 0, kInitialised = 1, kPaused = 2, kPlaying = 3 };

    NSound() = default;
    NSound(const NSound&) = delete;
    NSound& operator=(const NSound&) = delete;
    ~NSound();

    int Init(int flags);
    // Plays a music file image; the sound owns `data` (delete[]) from now on,
    // whatever the result. Without kSoundMusic (no data, size 0) it starts the clock
    // only. 1 when the music cannot play: no audio device, or data that is neither
    // a sampled stream nor a tracker module. `name`, the music file's, is what a
    // refusal of the music names.
    int PlayMemory(unsigned char* data, int byteCount, const char* name = nullptr);
    // Refusals are counted: the music is then not playing at all.
    void Pause();
    void Resume();
    // Volume from 0 (silent) to 1 (full); a clock has nothing to turn down.
    void SetVolume(float volume);
    // Milliseconds since the music started. A clock that was never started starts
    // at its first reading, so a show whose music failed runs on the wall clock.
    int Position();
    // Stops the music, closes the device and releases the music data.
    int Free();

    int Flags() const { return flags; }
    int LastPosition() const { return lastPosition; }
    int SoundState() const { return state; }
    const unsigned char* MusicData() const { return musicData; }
    const MusicOutput& Output() const { return output; }

  private:
    void StartClock();
    // Stops what the device plays before the data it reads goes.
    void ReleaseMusic();

    int flags = 0;
    int lastPosition = 0;
    unsigned startTick = 0;
    bool clockStarted = false;
    unsigned char* musicData = nullptr;
    int size = 0;
    int state = kFree;
    MusicOutput output;
};
