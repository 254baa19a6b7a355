// Windows virtual-key numbers for SDL key codes: the numbers the key timer and its
// marks were written against.
#pragma once

#include <SDL_keycode.h>

constexpr int kVirtualKeyEscape = 27;
constexpr int kVirtualKeySpace = 32;

// The virtual-key number of `key`, or -1 for a key that has none here (keys outside
// letters, digits, Escape, space, Return, Tab, Backspace, arrows and F1 to F12).
int VirtualKeyFromSdl(SDL_Keycode key);
