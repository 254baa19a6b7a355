// The process entry and the main flow of the player.
#pragma once

// The entry: switches the log file on when the joined arguments are longer than two
// characters, registers the classes, runs the main flow and returns the exit code
// (1 when anything counted was logged).
int PlayerMain(int argc, char** argv);

class NDemo;

// Mounts the data store, loads and compiles the document and returns its first
// Demo, or null after logging why there is none to play: when loading or compiling
// counted anything. The document keeps the
// demo's objects; the caller plays the demo and then tears the document down.
NDemo* LoadDemo();

// The first steps of LoadDemo, for a tool that goes on where the player stops:
// names the data store and the document from the executable's path and mounts the
// store as the default input; false, with the player's line, when there is none.
bool MountProduction();
// The document's name inside the data store ("show.xml"); null before mounting.
const char* DocumentName();

// What LoadDemo mounted as the data store: the archive's or the folder's path as
// the player names it; null before it tried.
const char* DataSourceName();

// Mounts the data store, then loads, compiles and plays the document. Its outcome
// is told only by the log and its error count.
void RunApplication();

// The argv[1..] joined with single spaces, as the entry measures them.
int ArgumentsLength(int argc, char** argv);
