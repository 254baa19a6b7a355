#include "sound/SoundTicks.h"

#include <SDL.h>

namespace {

uint32_t SystemTicks() {
    return SDL_GetTicks();
}

TickSource tickSource = SystemTicks;

}  // namespace

uint32_t SoundTicks() {
    return tickSource();
}

void SetSoundTickSource(TickSource source) {
    tickSource = source ? source : SystemTicks;
}
