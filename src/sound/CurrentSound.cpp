#include "sound/CurrentSound.h"

#include "sound/Sound.h"

NSound* CurrentSound = nullptr;

float MusicSeconds() {
    return CurrentSound ? ClockSeconds(CurrentSound->Position()) : 0.0f;
}

// The product is formed in single precision, as the timeline has always read it.
float ClockSeconds(int milliseconds) {
    return static_cast<float>(milliseconds) * 0.001f;
}
