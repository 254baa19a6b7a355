// The preview tool: a production in a window with its music, at a time the author
// drives with keys or, for editors and scripts, with commands on standard input;
// reloaded whenever its files are saved.
#pragma once

// Returns the exit code: 0 after quitting, 1 when the production or the window could
// not be opened at the start, 2 for a command line it cannot use.
int PreviewMain(int argc, char** argv);
