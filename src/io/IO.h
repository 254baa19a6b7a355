// A storage back-end: named files in one place (a directory or an archive).
#pragma once

#include <cstdint>

// Bits 12 to 15 of a mount mode select the back-end kind; the lower bits are kept
// but not interpreted.
constexpr int kModeKindMask = 0xF000;
constexpr int kDirectoryMode = 0x1000;
constexpr int kArchiveMode = 0x2000;

// Names and composed paths live in areas of this many characters, terminator included.
constexpr int kNameAreaSize = 1024;

class NIO {
  public:
    NIO() = default;
    NIO(const NIO&) = delete;
    NIO& operator=(const NIO&) = delete;
    virtual ~NIO() { NIO::Unmount(); }

    // The caller keeps `path` alive for as long as the back-end is mounted.
    virtual int Mount(int mountMode, const char* mountPath);
    virtual int Unmount();
    // Stores a new buffer (the caller frees it with delete[]) and returns its byte count;
    // a negative result is failure, 1 may also mean "busy or failed to start".
    virtual int Load(const char* name, unsigned char** buffer) = 0;
    // Returns `size`, or -1 on failure.
    virtual int Save(const char* name, unsigned char** buffer, int size) = 0;
    virtual int OpenRead(const char* name) = 0;
    virtual int OpenWrite(const char* name) = 0;
    virtual int Skip(int count) = 0;
    virtual int Read(void* target, int count) = 0;
    virtual int Write(const void* source, int count) = 0;
    virtual int CloseFile() = 0;
    // Bytes left to read in the file opened by OpenRead, so that a reader can check
    // what a header declares before it allocates; -1 when unknown.
    virtual int64_t Remaining() { return -1; }
    // The byte count of the named file as its folder or archive declares it, read
    // without opening the file, so that a loader can refuse what is beyond its budget
    // before it loads anything; -1 when the file is not there.
    virtual int64_t Size(const char* /*name*/) { return -1; }

    int Mode() const { return mode; }
    const char* Path() const { return path; }

  protected:
    int mode = 0;
    const char* path = nullptr;
};
