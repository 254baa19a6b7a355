// Reads what the X server shows in a window: the front buffer cannot be read back
// through every driver, the screen can. Kept apart from the tests because the X11
// headers define macros that clash with GoogleTest.
#pragma once

#include <SDL.h>

namespace test {

// The colour at (x, y) of the window as 0xRRGGBB; false if it cannot be read.
bool ReadScreenPixel(SDL_Window* window, int x, int y, unsigned long* rgb);

}  // namespace test
