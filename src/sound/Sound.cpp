#include "sound/Sound.h"

#include <new>

NSound::~NSound() {
    Free();
}

int NSound::Init(int soundFlags) {
    flags = soundFlags;
    if (wrapper) {
        return wrapper->Init(soundFlags);
    }
    if (!(soundFlags & kSoundMusic)) {
        return 0;
    }
    wrapper.reset(new (std::nothrow) BassWrapper);
    return wrapper ? wrapper->Init(soundFlags) : 1;
}

int NSound::Play(bool fromMemory) {
    if (!(flags & kSoundMusic)) {
        return NSoundBase::Play(fromMemory);
    }
    if (!wrapper) {
        return 1;
    }
    wrapper->SetMusic(musicData, fileName, size, flags);
    return wrapper->Play(fromMemory);
}

void NSound::Pause() {
    if (wrapper) {
        wrapper->Pause();
    } else {
        NSoundBase::Pause();
    }
}

void NSound::Resume() {
    if (wrapper) {
        wrapper->Resume();
    } else {
        NSoundBase::Resume();
    }
}

void NSound::SetVolume(float volume) {
    if (wrapper) {
        wrapper->SetVolume(volume);
    }
}

// A sound that wanted music but has no wrapper keeps its own clock rather than
// standing still at 0, so the show still runs.
int NSound::Position() {
    if ((flags & kSoundMusic) && wrapper) {
        lastPosition = wrapper->Position();
        return lastPosition;
    }
    return NSoundBase::Position();
}

int NSound::Free() {
    ReleaseMusic();
    wrapper.reset();
    fileName = nullptr;
    NSoundBase::Free();
    return 0;
}

int NSound::PlayMemory(unsigned char* data, int byteCount) {
    if (musicData && data != musicData) {
        ReleaseMusic();
    }
    musicData = data;
    size = byteCount;
    return Play(true);
}

int NSound::PlayFile(const char* name, int byteCount) {
    fileName = name;
    size = byteCount;
    return Play(false);
}

void NSound::ReleaseMusic() {
    if (wrapper) {
        wrapper->Free();
    }
    delete[] musicData;
    musicData = nullptr;
    size = 0;
}
