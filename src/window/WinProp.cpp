#include "window/WinProp.h"

#include <SDL.h>

namespace {

unsigned appliedFlags = 0;
bool screenSaverWasOn = false;

}  // namespace

WinProp::~WinProp() {
    SetState(kAll, false);
}

void WinProp::SetState(unsigned flags, bool on) {
    if (flags & kCursor) {
        if (on && !(appliedFlags & kCursor)) {
            SDL_ShowCursor(SDL_DISABLE);
            appliedFlags |= kCursor;
        } else if (!on && (appliedFlags & kCursor)) {
            SDL_ShowCursor(SDL_ENABLE);
            appliedFlags &= ~kCursor;
        }
    }
    if (flags & kScreenSaver) {
        if (on && !(appliedFlags & kScreenSaver)) {
            screenSaverWasOn = SDL_IsScreenSaverEnabled();
            if (screenSaverWasOn) {
                SDL_DisableScreenSaver();
            }
            appliedFlags |= kScreenSaver;
        } else if (!on && (appliedFlags & kScreenSaver)) {
            if (screenSaverWasOn) {
                SDL_EnableScreenSaver();
            }
            appliedFlags &= ~kScreenSaver;
        }
    }
}
