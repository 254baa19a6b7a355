// The options every installed tool answers alike, whatever else its line holds:
// --help prints the tool's usage and --version its name and the project's version,
// both on standard output, and the tool then ends with 0 without doing anything else.
#pragma once

// The project's version, "MAJOR.MINOR.PATCH", as the build sets it.
extern const char kNimbusVersion[];

// True when some argument is --help or --version (the first of them is answered);
// false, printing nothing, otherwise. `usage` ends with a newline.
bool AnswerStandardOption(int argc, char** argv, const char* program, const char* usage);
