// Packs the files below a folder into a zip archive, named by their paths relative
// to the folder with '/' between components.
#pragma once

#include <string>

// Returns 0 on success; on failure writes a reason to `error` and returns 1.
int PackDirectory(const std::string& folder, const std::string& archive, std::string* error);
