#include "sound/RiffLists.h"

#include <cstdint>
#include <cstring>

namespace {

constexpr size_t kHeaderBytes = 8;  // a chunk's four-letter id and its size
constexpr size_t kFormBytes = 12;   // the file's header and its form type
constexpr size_t kListTypeBytes = 4;

uint32_t ReadSize(const unsigned char* at, bool bigEndian) {
    if (bigEndian) {
        return uint32_t{at[0]} << 24 | uint32_t{at[1]} << 16 | uint32_t{at[2]} << 8 | at[3];
    }
    return uint32_t{at[3]} << 24 | uint32_t{at[2]} << 16 | uint32_t{at[1]} << 8 | at[0];
}

// Chunks are padded to an even length.
size_t Padded(uint32_t size) {
    return size_t{size} + (size & 1);
}

// The parts of one LIST chunk, from `begin` (after its type) to `end`.
bool PartsFit(const unsigned char* data, size_t begin, size_t end, bool bigEndian) {
    for (size_t at = begin; at + kHeaderBytes <= end; at += kHeaderBytes) {
        const uint32_t size = ReadSize(data + at + 4, bigEndian);
        if (size > end - at - kHeaderBytes) {
            return false;
        }
        at += Padded(size);
    }
    return true;
}

}  // namespace

bool RiffListsFit(const unsigned char* data, size_t size) {
    if (size < kFormBytes) {
        return true;
    }
    const bool bigEndian = memcmp(data, "RIFX", 4) == 0;
    if (!bigEndian && memcmp(data, "RIFF", 4) != 0 && memcmp(data, "RF64", 4) != 0) {
        return true;
    }
    for (size_t at = kFormBytes; at + kHeaderBytes <= size; at += kHeaderBytes) {
        const uint32_t chunkSize = ReadSize(data + at + 4, bigEndian);
        const size_t left = size - at - kHeaderBytes;
        const bool isList = memcmp(data + at, "LIST", 4) == 0;
        if (isList && (chunkSize > left || (chunkSize >= kListTypeBytes &&
                                            !PartsFit(data, at + kHeaderBytes + kListTypeBytes,
                                                      at + kHeaderBytes + chunkSize, bigEndian)))) {
            return false;
        }
        if (chunkSize > left) {
            return true;  // the sound data often runs to the end whatever it declares
        }
        at += Padded(chunkSize);
    }
    return true;
}
