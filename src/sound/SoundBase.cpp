#include "sound/SoundBase.h"

#include "base/Ticks.h"

int NSoundBase::Init(int) {
    state = kInitialised;
    return 0;
}

int NSoundBase::Play(bool) {
    StartClock();
    state = kPlaying;
    return 0;
}

void NSoundBase::Pause() {
    if (state == kPlaying) {
        state = kPaused;
    }
}

void NSoundBase::Resume() {
    if (state == kPaused) {
        state = kPlaying;
    }
}

void NSoundBase::SetVolume(float) {}

// Unsigned subtraction keeps the count right across a wrap of the tick counter.
int NSoundBase::Position() {
    if (!clockStarted) {
        StartClock();
    }
    lastPosition = static_cast<int>(GetTickCount() - startTick);
    return lastPosition;
}

int NSoundBase::Free() {
    state = kFree;
    return 0;
}

void NSoundBase::StartClock() {
    startTick = GetTickCount();
    clockStarted = true;
}
