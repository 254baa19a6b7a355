#include "sound/RiffLists.h"

#include <cstdint>
#include <cstring>

namespace {

constexpr size_t kIdBytes = 4;
constexpr size_t kHeaderBytes = 8;  // a chunk's four-letter id and its size
constexpr size_t kFormBytes = 12;   // the file's header and its form type

bool IdIs(const unsigned char* at, const char* id) {
    return memcmp(at, id, kIdBytes) == 0;
}

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

// The parts of one LIST or INFO chunk, from `begin` to `end`, read as libsndfile
// reads them: "INFO" and "adtl" stand alone, anything else has a size; four zero
// bytes, a "data" or an "exif" part end its walk over sizes.
bool PartsFit(const unsigned char* data, size_t fileSize, size_t begin, size_t end,
              bool bigEndian) {
    size_t at = begin;
    while (at + kIdBytes <= end) {
        const unsigned char* id = data + at;
        if (IdIs(id, "INFO") || IdIs(id, "adtl")) {
            at += kIdBytes;
            continue;
        }
        if (ReadSize(id, false) == 0 || IdIs(id, "data") || IdIs(id, "exif")) {
            return true;
        }
        if (at + kHeaderBytes > fileSize) {
            return true;  // libsndfile reads zeros past the end
        }
        // The size may lie past the chunk: libsndfile reads it all the same. A last
        // part without its pad byte is common and harmless.
        const uint32_t partSize = ReadSize(id + kIdBytes, bigEndian);
        const size_t left = end > at + kHeaderBytes ? end - at - kHeaderBytes : 0;
        if (partSize > left) {
            return false;
        }
        at += kHeaderBytes + Padded(partSize);
    }
    return true;
}

}  // namespace

bool RiffListsFit(const unsigned char* data, size_t size) {
    if (size < kFormBytes) {
        return true;
    }
    const bool bigEndian = IdIs(data, "RIFX");
    if (!bigEndian && !IdIs(data, "RIFF") && !IdIs(data, "RF64")) {
        return true;
    }
    for (size_t at = kFormBytes; at + kHeaderBytes <= size;) {
        const size_t payload = at + kHeaderBytes;
        const size_t chunkSize = ReadSize(data + at + kIdBytes, bigEndian);
        const size_t end = payload + chunkSize < size ? payload + chunkSize : size;
        // libsndfile skips a chunk of eight bytes or fewer without walking it.
        const bool walked =
            (IdIs(data + at, "LIST") || IdIs(data + at, "INFO")) && chunkSize > kHeaderBytes;
        if (walked && !PartsFit(data, size, payload, end, bigEndian)) {
            return false;
        }
        at = payload + Padded(static_cast<uint32_t>(chunkSize));
    }
    return true;
}
