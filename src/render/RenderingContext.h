// Whether OpenGL may be called at all: objects that own GL resources ask before they
// create or free them, since a player without a window has no context, and the
// document is torn down after the surface closed.
#pragma once

#include <SDL.h>

inline bool HasCurrentRenderingContext() {
    return SDL_GL_GetCurrentContext() != nullptr;
}
