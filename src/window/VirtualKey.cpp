#include "window/VirtualKey.h"

int VirtualKeyFromSdl(SDL_Keycode key) {
    // SDL names letter keys by their lower-case character whatever the shift state.
    if (key >= SDLK_a && key <= SDLK_z) {
        return 'A' + (key - SDLK_a);
    }
    if (key >= SDLK_0 && key <= SDLK_9) {
        return '0' + (key - SDLK_0);
    }
    if (key >= SDLK_F1 && key <= SDLK_F12) {
        return 112 + (key - SDLK_F1);
    }
    switch (key) {
        case SDLK_ESCAPE:
            return kVirtualKeyEscape;
        case SDLK_SPACE:
            return kVirtualKeySpace;
        case SDLK_RETURN:
            return 13;
        case SDLK_TAB:
            return 9;
        case SDLK_BACKSPACE:
            return 8;
        case SDLK_LEFT:
            return 37;
        case SDLK_UP:
            return 38;
        case SDLK_RIGHT:
            return 39;
        case SDLK_DOWN:
            return 40;
        default:
            return -1;
    }
}
