// The archive back-end: read-only access to the entries of a zip file.
#pragma once

#include "io/IO.h"

class NZipIO : public NIO {
  public:
    ~NZipIO() override;
    int Mount(int mountMode, const char* mountPath) override;
    int Unmount() override;
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
    // False, logged and with the archive closed, when the entries together declare
    // more than a production may hold or the directory cannot be walked.
    bool TotalWithinBudget();
    // Makes `name` the archive's current entry; false when it is not stored.
    bool Locate(const char* name);
    int ReadResult(int got);
    // The current entry's declared size; false, logged, when it is absurd for the archive.
    bool EntrySize(const char* name, uint64_t* size);
    // The open entry's data (delete[]), `got` bytes of it; null when reading failed.
    unsigned char* ReadEntry(uint64_t size, uint64_t* got);

    void* archive = nullptr;
    // The archive file's size: no entry can store more.
    uint64_t archiveSize = 0;
};
