// The abstract sound: flags, state and the millisecond clock that the demo
// timeline runs on.
#pragma once

// Sound flags given to Init.
constexpr int kSoundRate11025 = 1;
constexpr int kSoundRate22050 = 2;
constexpr int kSoundRate44100 = 4;
// Music through the audio library; without it the sound is a clock only.
constexpr int kSoundMusic = 8;
// Asks the library for initialisation flag value 0 instead of 2.
constexpr int kSoundPlainInit = 32;

class NSoundBase {
  public:
    enum State { kFree = 0, kInitialised = 1, kPaused = 2, kPlaying = 3 };

    NSoundBase() = default;
    NSoundBase(const NSoundBase&) = delete;
    NSoundBase& operator=(const NSoundBase&) = delete;
    virtual ~NSoundBase() = default;

    virtual int Init(int flags);
    // Starts the clock; the derived sounds start their music first.
    virtual int Play(bool fromMemory);
    virtual void Pause();
    virtual void Resume();
    // Volume from 0 (silent) to 1 (full); a clock has nothing to turn down.
    virtual void SetVolume(float volume);
    // Milliseconds since Play succeeded. A clock that was never started starts at
    // its first reading, so a show whose music failed still runs on the wall clock.
    virtual int Position();
    virtual int Free();

    int Flags() const { return flags; }
    int LastPosition() const { return lastPosition; }
    int SoundState() const { return state; }
    const unsigned char* MusicData() const { return musicData; }
    const char* FileName() const { return fileName; }
    int Size() const { return size; }

  protected:
    void StartClock();

    int flags = 0;
    int lastPosition = 0;
    unsigned startTick = 0;
    bool clockStarted = false;
    unsigned char* musicData = nullptr;
    const char* fileName = nullptr;
    int size = 0;
    int state = kFree;
};
