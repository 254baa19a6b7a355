// Value objects made from the character data of document elements, and the text
// forms they share with the keys of keyframed values.
#pragma once

#include "reflect/Class.h"

class NFloatValue;
class NVectValue;
class NColorValue;

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
