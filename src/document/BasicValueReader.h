// The readers the compiler uses for elements whose character data is the whole
// value ("Float", "Vector", "Color", "Texture").
#pragma once

#include "reflect/Class.h"

class NTexture;

// A texture with a new bitmap that holds the file name; nothing is loaded here.
NTexture* ReadTextureValue(const char* text);

// The reader for an element of class `className` ("Float", "Vector", "Color",
// "Texture"; compared exactly): a new object, or null when the class has no reader
// or the text does not read, and the caller makes a default object instead.
NClass* ReadBasicValue(const char* className, const char* text);
