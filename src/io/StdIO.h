// The directory back-end: plain files below a mounted directory.
#pragma once

#include <cstdio>

#include "io/IO.h"

class NStdIO : public NIO {
  public:
    ~NStdIO() override;
    int Mount(int mountMode, const char* mountPath) override;
    int Load(const char* name, unsigned char** buffer) override;
    int Save(const char* name, unsigned char** buffer, int size) override;
    int OpenRead(const char* name) override;
    int OpenWrite(const char* name) override;
    int Skip(int count) override;
    int Read(void* target, int count) override;
    int Write(const void* source, int count) override;
    int CloseFile() override;
    int64_t Remaining() override;
    int64_t Size(const char* name) override;

  private:
    // Opens the file that `name` designates below the mounted path, or returns null.
    FILE* Open(const char* name, bool forWriting);

    FILE* file = nullptr;
};

// Joins a mounted path and a file name with '/', turning every '\' into '/'.
// Returns false when the result would not fit in `size` characters.
bool ComposePath(const char* mountPath, const char* name, char* out, int size);

// Finds an existing path that differs from `path` only in the letter case (ASCII)
// of its components. For writing, the last component may be missing and is kept as
// given. Resolves in place; returns false when no such path exists.
bool ResolvePathCase(char* path, int size, bool forWriting);
