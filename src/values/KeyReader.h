// Reads one "Key" element into the keyframed value object of its parent element.
#pragma once

#include "reflect/Class.h"

// `owner` is the parent element's object (may be null), `ownerClassName` the parent's
// element name, `timeText` the key's "Time" attribute and `valueText` its character
// data (either may be null). Returns true when the key was added; a refusal has been
// logged as an error, except for a parent element without an object.
bool ReadKey(NClass* owner, const char* ownerClassName, const char* timeText,
             const char* valueText);
