// The built-in audio library as the sound layer binds it: the file name it
// stands for and its entry points by name. Productions made for Windows carry
// the library as a file; the player never loads native code from a production
// and resolves the same names here instead.
#pragma once

// Every entry point is stored under this one type and cast back to its own
// before it is called.
using BassEntry = void (*)();

struct BassExport {
    const char* name;
    BassEntry entry;
};

struct BassLibraryTable {
    const char* fileName;
    const BassExport* exports;
    int count;
};

const BassLibraryTable& BuiltInBassLibrary();

// The entry of exactly `name`, or null.
BassEntry FindBassExport(const BassLibraryTable& table, const char* name);
