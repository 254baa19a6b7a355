#include "sound/Sound.h"

#include "base/Con.h"
#include "base/Ticks.h"

namespace {

// What a refused pause or resume reports.
constexpr int kRefusedCode = 6;

int OutputRateFor(int flags) {
    if (flags & kSoundRate44100) {
        return 44100;
    }
    if (flags & kSoundRate22050) {
        return 22050;
    }
    return flags & kSoundRate11025 ? 11025 : 44100;
}

}  // namespace

NSound::~NSound() {
    Free();
}

int NSound::Init(int soundFlags) {
    flags = soundFlags;
    state = kInitialised;
    return 0;
}

// The device opens before the music is decoded, so music without a device is
// never looked at; the clock starts only when everything succeeded.
int NSound::PlayMemory(unsigned char* data, int byteCount, const char* name) {
    if (musicData && data != musicData) {
        ReleaseMusic();
    }
    musicData = data;
    size = byteCount;
    if (flags & kSoundMusic) {
        if (!output.Open(OutputRateFor(flags))) {
            return 1;
        }
        // A negative size would read past the image.
        std::unique_ptr<MusicDecoder> music =
            OpenMusic(musicData, size > 0 ? static_cast<size_t>(size) : 0, output.Rate(), name);
        if (!music) {
            return 1;
        }
        output.Play(std::move(music));
    }
    StartClock();
    state = kPlaying;
    return 0;
}

// The state changes even when the device refuses.
void NSound::Pause() {
    if (state == kPlaying) {
        state = kPaused;
    }
    if ((flags & kSoundMusic) && !output.Pause()) {
        Con.ReportCode(kRefusedCode, "NSound");
    }
}

void NSound::Resume() {
    if (state == kPaused) {
        state = kPlaying;
    }
    if ((flags & kSoundMusic) && !output.Resume()) {
        Con.ReportCode(kRefusedCode, "NSound");
    }
}

void NSound::SetVolume(float volume) {
    output.SetVolume(volume);
}

// Unsigned subtraction keeps the count right across a wrap of the tick counter.
int NSound::Position() {
    if (!clockStarted) {
        StartClock();
    }
    lastPosition = static_cast<int>(GetTickCount() - startTick);
    return lastPosition;
}

int NSound::Free() {
    ReleaseMusic();
    state = kFree;
    return 0;
}

void NSound::StartClock() {
    startTick = GetTickCount();
    clockStarted = true;
}

void NSound::ReleaseMusic() {
    output.Close();
    delete[] musicData;
    musicData = nullptr;
    size = 0;
}
