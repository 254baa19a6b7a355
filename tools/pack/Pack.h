// Packs the files below a folder into a zip archive, named by their paths relative
// to the folder with '/' between components.
#pragma once

#include <string>

// Returns 0 on success; on failure writes a reason to `error` and returns 1. The
// archive itself is never packed, wherever it lies, and files are copied in blocks,
// however large. Files the player would refuse are packed all the same;
// WarnAboutRefusals tells which.
int PackDirectory(const std::string& folder, const std::string& archive, std::string* error);

// Logs a warning through Con for every file below `folder` that the player will
// refuse by the budgets of base/Budgets.h, telling the kind of each by its name: a
// document (.xml) or a shader source too large, a picture its codec refuses, music
// too large or at a rate no player plays, any file larger than any kind may be, and
// files that hold more than a production may in all. Returns the number of warnings.
int WarnAboutRefusals(const std::string& folder, const std::string& archive);
