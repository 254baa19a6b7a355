// The executable's directory and name, from which the data store and the document
// are named.
#pragma once

#include <string>

// Remembers the executable's path as the process was started (argv[0]); call it
// before the first GetAppDirectory or GetAppName. A tool may call it again to name
// another production; what the two return earlier is then out of date.
void SetExecutablePath(const char* path);

// Everything up to and including the last '/', or "" when there is none.
const char* GetAppDirectory();
// The base name cut at its first '.'.
const char* GetAppName();

// The application directory followed by `name` without one pair of enclosing quotes.
std::string MakeAppPath(const char* name);

// The split itself, for a given path.
void SplitAppPath(const char* path, std::string* directory, std::string* name);
