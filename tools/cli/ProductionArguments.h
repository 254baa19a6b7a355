// What the tools that play a production read alike from their command lines: the
// production's path and times in seconds.
#pragma once

#include <string>

// A time in seconds as text ("12.5") in whole milliseconds; false for text that is not
// a finite number of seconds within a day either way, so that frame arithmetic never
// overflows. Negative times are kept for the caller to refuse or clamp.
bool ReadMilliseconds(const char* text, long* milliseconds);

// Takes an argument that is not one of the tool's options as the production's path:
// false with `error` set for an unknown option or a second path.
bool TakeProductionPath(const std::string& argument, std::string* path, std::string* error);

// False with `error` set when the line named no production.
bool NamedProduction(const std::string& path, std::string* error);
