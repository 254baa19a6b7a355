// The capture tool: plays a production on a fixed clock and writes chosen frames.
#pragma once

#include "capture/CaptureOptions.h"

// Logs like the player (to standard output and nimbus.log) and returns the exit
// code: 1 when anything counted was logged, 2 for a command line it cannot use,
// 0 after answering --help or --version.
int CaptureMain(int argc, char** argv);

// Plays the production the options name and writes the frames they ask for.
void RunCapture(const CaptureOptions& options);
