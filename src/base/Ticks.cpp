#include "base/Ticks.h"

#include <SDL.h>

namespace {

uint32_t SystemTicks() {
    return SDL_GetTicks();
}

TickSource tickSource = SystemTicks;

}  // namespace

uint32_t GetTickCount() {
    return tickSource();
}

void SetTickSource(TickSource source) {
    tickSource = source ? source : SystemTicks;
}
