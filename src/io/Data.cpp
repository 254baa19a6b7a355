#include "io/Data.h"

#include <cstring>
#include <new>

#include "base/Con.h"
#include "io/StdIO.h"
#include "io/ZipIO.h"

namespace {

NIO* defaultInputBackend = nullptr;
NIO* defaultOutputBackend = nullptr;

}  // namespace

NIO* DefaultInputBackend() {
    return defaultInputBackend;
}
NIO* DefaultOutputBackend() {
    return defaultOutputBackend;
}

NData::NData(int forDirection)
    : direction(forDirection == kOutput ? kOutput : kInput),
      backend(forDirection == kOutput ? defaultOutputBackend : defaultInputBackend),
      ownsBackend(false) {}

// Unmount clears a default back-end pointer that designates this stream's own
// back-end, so nothing is left pointing at a released back-end.
NData::~NData() {
    NData::Unmount();
}

int NData::Mount(int mountMode, const char* mountPath) {
    Unmount();
    mode = mountMode;
    path = mountPath;
    switch (mountMode & kModeKindMask) {
        case kDirectoryMode:
            backend = new NStdIO;
            break;
        case kArchiveMode:
            backend = new NZipIO;
            break;
        default:
            return 1;
    }
    ownsBackend = true;
    return backend->Mount(mountMode, mountPath);
}

// A back-end this stream owns is released here; a shared one is only forgotten.
int NData::Unmount() {
    if (backend) {
        backend->CloseFile();
        if (ownsBackend) {
            backend->Unmount();
            if (defaultInputBackend == backend) {
                defaultInputBackend = nullptr;
            }
            if (defaultOutputBackend == backend) {
                defaultOutputBackend = nullptr;
            }
            delete backend;
        }
        backend = nullptr;
    }
    state = kIdle;
    return 0;
}

int NData::Load(const char* name, unsigned char** buffer) {
    if (!backend) {
        return -1;
    }
    if (state != kIdle) {
        return 1;
    }
    return backend->Load(name, buffer);
}

int NData::Save(const char* name, unsigned char** buffer, int size) {
    if (!backend) {
        return -1;
    }
    if (state != kIdle) {
        return 1;
    }
    return backend->Save(name, buffer, size);
}

int NData::OpenRead(const char* name) {
    if (!backend) {
        return 1;
    }
    state = kReading;
    direction = kInput;
    return backend->OpenRead(name);
}

int NData::OpenWrite(const char* name) {
    if (!backend) {
        return 1;
    }
    state = kWriting;
    direction = kOutput;
    return backend->OpenWrite(name);
}

int NData::Skip(int count) {
    return CanRead() ? backend->Skip(count) : 1;
}

int NData::Read(void* target, int count) {
    return CanRead() ? backend->Read(target, count) : 1;
}

int NData::Write(const void* source, int count) {
    return CanWrite() ? backend->Write(source, count) : 1;
}

int NData::CloseFile() {
    if (!backend) {
        return 1;
    }
    state = kIdle;
    return backend->CloseFile();
}

int64_t NData::Remaining() {
    return CanRead() ? backend->Remaining() : -1;
}

// Only while idle: an archive finds the named entry by moving off the open one.
int64_t NData::Size(const char* name) {
    return backend && state == kIdle ? backend->Size(name) : -1;
}

int NData::LoadWithin(const char* name, unsigned char** buffer, int64_t budget, const char* kind,
                      const char* source) {
    const int64_t size = Size(name);
    if (size > budget) {
        Con.Error("%s: <%s> declares %lld bytes, more than the %lld a %s may have", source, name,
                  static_cast<long long>(size), static_cast<long long>(budget), kind);
        return -1;
    }
    return Load(name, buffer);
}

int NData::ReadBool(bool* value) {
    char byte = 0;
    const int result = ReadChar(&byte);
    if (result == 0) {
        *value = byte != 0;
    }
    return result;
}

int NData::ReadInt(int32_t* value) {
    return Read(value, sizeof *value);
}

// Goes through ReadFloat on purpose: both move the same four bytes, and an override
// of ReadFloat is meant to apply to both.
int NData::ReadUInt(uint32_t* value) {
    return ReadFloat(reinterpret_cast<float*>(value));
}

int NData::ReadFloat(float* value) {
    return Read(value, sizeof *value);
}

int NData::ReadChar(char* value) {
    return Read(value, 1);
}

int NData::WriteBool(bool value) {
    char byte;
    memcpy(&byte, &value, 1);
    return WriteChar(byte);
}

int NData::WriteInt(int32_t value) {
    return Write(&value, sizeof value);
}

int NData::WriteUInt(uint32_t value) {
    float bits;
    memcpy(&bits, &value, sizeof bits);
    return WriteFloat(bits);
}

int NData::WriteFloat(float value) {
    return Write(&value, sizeof value);
}

int NData::WriteChar(char value) {
    return Write(&value, 1);
}

// A stored string longer than the area is read to its end, so that the stream stays
// in step, and returned cut to the area with a warning.
int NData::ReadString(char** text) {
    if (!CanRead()) {
        return 1;
    }
    char area[kStringArea];
    int length = 0;
    int stored = 0;
    for (;;) {
        char byte = 0;
        const int result = Read(&byte, 1);
        if (result != 0) {
            return result;
        }
        if (byte == '\0') {
            break;
        }
        if (length < kStringArea - 1) {
            area[length++] = byte;
        }
        ++stored;
    }
    area[length] = '\0';
    if (stored > length) {
        Con.Warning("NData::ReadString: a string of %d characters was cut to %d", stored, length);
    }
    *text = nullptr;
    if (length > 0) {
        *text = new char[length + 1];
        memcpy(*text, area, length + 1);
    }
    return 0;
}

int NData::WriteString(const char* text) {
    if (!CanWrite()) {
        return 1;
    }
    if (!text) {
        return WriteChar('\0');
    }
    return Write(text, static_cast<int>(strlen(text)) + 1);
}

void NData::SetAsDefault(bool output) {
    if (!backend || !ownsBackend) {
        return;
    }
    (output ? defaultOutputBackend : defaultInputBackend) = backend;
}
