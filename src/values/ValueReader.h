// Value objects made from the character data of document elements, and the text
// forms they share with the keys of keyframed values.
#pragma once

#include "object/Class.h"

class NFloatValue;
class NVectValue;
class NColorValue;
class NTexture;

// One number, as "%f" reads it (leading blanks skipped, trailing text ignored).
bool ParseFloat(const char* text, float* value);
// Up to three numbers, as "%f %f %f" reads them; components the text does not
// give are 0. False when not even the first number reads.
bool ParseVector(const char* text, float values[3]);
// "#RRGGBB" (alpha 1) or "#RRGGBBAA", any case, into r, g, b, a in 0..1. A text
// without the leading "#" is refused silently; a malformed one is reported.
bool ParseColor(const char* text, float values[4]);

// Each returns a new object, or null when the text does not read.
NFloatValue* ReadFloatValue(const char* text);
NVectValue* ReadVectValue(const char* text);
NColorValue* ReadColorValue(const char* text);
// A texture with a new bitmap that holds the file name; nothing is loaded here.
NTexture* ReadTextureValue(const char* text);

// The reader for an element of class `className` ("Float", "Vector", "Color",
// "Texture"; compared exactly): a new object, or null when the class has no reader
// or the text does not read, and the caller makes a default object instead.
NClass* ReadBasicValue(const char* className, const char* text);
