// The check tool: everything the player does with a production short of opening a
// window, and what otherwise shows only during play, reported as the player reports
// it. No display, no audio device and no OpenGL are needed.
#pragma once

extern const char kCheckUsage[];

// `nimbus-check PATH`: logs to standard output and returns the exit code, 1 when
// anything was counted, 2 for a command line it cannot use, 0 after answering
// --help or --version.
int CheckMain(int argc, char** argv);

// Checks the production that PATH names as the player's own path does (dir/show:
// dir/show.dat or dir/data, document show.xml) and prints a summary of it. From
// here on, notices count as warnings.
void RunCheck(const char* path);
