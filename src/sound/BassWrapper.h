// Music through the audio library, bound by entry-point name the first time a
// wrapper is constructed in the process.
#pragma once

#include "sound/BassExports.h"
#include "sound/SoundBase.h"

class BassWrapper : public NSoundBase {
  public:
    // The first wrapper of the process binds the library; later ones reuse
    // whatever that binding achieved.
    BassWrapper();

    // Starts the music; the clock starts only when everything succeeded.
    int Play(bool fromMemory) override;
    void Pause() override;
    void Resume() override;
    void SetVolume(float volume) override;
    int Free() override;

    // What the owning sound hands over before Play; the data stays the owner's.
    void SetMusic(unsigned char* data, const char* name, int byteCount, int soundFlags);

    int Channel() const { return channel; }
    int OutputRate() const { return outputRate; }

    // The loader configuration, set before the first wrapper is constructed: the
    // library file the binding looks for. The binding resolves it among the
    // built-in libraries, never in the production's data store.
    static void SetLibraryFile(const char* fileName);
    // Replaces the table that names resolve in (tests simulate a broken library
    // with it); null restores the built-in one.
    static void SetLibraryTable(const BassLibraryTable* table);
    static bool IsLoaded();
    static int ConstructedCount();
    // Back to the state before the first wrapper, configuration included. Only tests
    // call it, so that each starts as a fresh process would.
    static void ForgetBinding();

  private:
    int channel = 0;
    int outputRate = 0;
};
