// A stream on a storage back-end: the idle, reading and writing states, whole-file
// load and save, and typed reads and writes in the machine's byte order.
#pragma once

#include <cstdint>

#include "io/IO.h"

class NData : public NIO {
  public:
    enum State { kReading = 0, kIdle = 1, kWriting = 2 };
    enum Direction : unsigned char { kInput = 0, kOutput = 1 };

    // No back-end until Mount; the stream will own the back-end it mounts.
    NData() = default;
    // Shares the default back-end published for `direction` at this moment.
    explicit NData(int direction);
    ~NData() override;

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
    // Load, unless the file declares more than `budget` bytes: that is refused with
    // -1 before anything is read, with a counted error naming `source`, the file,
    // its size and the budget of its `kind` ("document", "music file").
    int LoadWithin(const char* name, unsigned char** buffer, int64_t budget, const char* kind,
                   const char* source);

    virtual int ReadBool(bool* value);
    virtual int ReadInt(int32_t* value);
    virtual int ReadUInt(uint32_t* value);
    virtual int ReadFloat(float* value);
    virtual int ReadChar(char* value);
    virtual int WriteBool(bool value);
    virtual int WriteInt(int32_t value);
    virtual int WriteUInt(uint32_t value);
    virtual int WriteFloat(float value);
    virtual int WriteChar(char value);
    // Stores a new text (delete[] by the caller), or null for an empty string.
    virtual int ReadString(char** text);
    virtual int WriteString(const char* text);

    // Publishes this stream's own back-end as the default input or output back-end.
    void SetAsDefault(bool output);

    int StreamState() const { return state; }
    NIO* Backend() const { return backend; }

    // Longest string ReadString returns, terminator excluded.
    static constexpr int kStringArea = 256;

  private:
    bool CanRead() const { return backend && state == kReading; }
    bool CanWrite() const { return backend && state == kWriting; }

    unsigned char direction = kInput;
    int state = kIdle;
    NIO* backend = nullptr;
    bool ownsBackend = true;
};

// The back-ends published by SetAsDefault; null until then.
NIO* DefaultInputBackend();
NIO* DefaultOutputBackend();

extern NData& DefaultInput;
extern NData& DefaultOutput;
