// The sound the demo uses: music through a BassWrapper when it is wanted,
// otherwise only the clock.
#pragma once

#include <memory>

#include "sound/BassWrapper.h"
#include "sound/SoundBase.h"

class NSound : public NSoundBase {
  public:
    NSound() = default;
    ~NSound() override;

    // With kSoundMusic the wrapper is created (binding the library if it is the
    // first); 1 when it could not be.
    int Init(int flags) override;
    int Play(bool fromMemory) override;
    void Pause() override;
    void Resume() override;
    void SetVolume(float volume) override;
    // The clock of the music's wrapper when music is wanted, else this sound's own.
    int Position() override;
    // Shuts the library down and releases the music data.
    int Free() override;

    // Plays a music file image; the sound owns `data` (delete[]) from now on,
    // whatever the result. No data and size 0 start the clock only.
    int PlayMemory(unsigned char* data, int byteCount);
    // Plays a named file; the name must outlive the sound.
    int PlayFile(const char* name, int byteCount);

    const BassWrapper* Wrapper() const { return wrapper.get(); }

  private:
    // Stops what the library plays before the data it reads goes.
    void ReleaseMusic();

    std::unique_ptr<BassWrapper> wrapper;
};
