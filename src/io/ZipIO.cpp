#include "io/ZipIO.h"

#include <unzip.h>

#include <sys/stat.h>

#include <cstdint>
#include <cstring>
#include <new>

#include "base/Budgets.h"
#include "base/Con.h"

namespace {

// Where entry names are converted; overwritten by every call.
char nameArea[kNameAreaSize];

// An entry may declare at most this many times the bytes it takes in the archive:
// deflate cannot do much better than 1000 to 1, so a larger claim is a lie about
// the size, or a bomb.
constexpr uint64_t kMaxCompressionRatio = 1000;

// The first block a whole-entry read allocates; it doubles as the data comes.
constexpr uint64_t kFirstBlock = 64 * 1024;

constexpr int kCaseInsensitive = 2;

// A zero-filled block of `bytes` holding the first `used` bytes of `data`, which is
// released; null when memory is exhausted.
unsigned char* Grow(unsigned char* data, uint64_t used, uint64_t bytes) {
    unsigned char* grown = new (std::nothrow) unsigned char[bytes]();
    if (grown) {
        memcpy(grown, data, used);
    }
    delete[] data;
    return grown;
}

uint64_t FileSize(const char* path) {
    struct stat status;
    return path && stat(path, &status) == 0 ? static_cast<uint64_t>(status.st_size) : 0;
}

// What the archive's directory declares for all its entries together, held at the
// largest count rather than wrapping round; false when the directory cannot be walked.
bool DeclaredTotal(void* archive, uint64_t* total) {
    *total = 0;
    int status = unzGoToFirstFile(archive);
    for (; status == UNZ_OK; status = unzGoToNextFile(archive)) {
        unz_file_info64 info;
        if (unzGetCurrentFileInfo64(archive, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK) {
            return false;
        }
        *total = info.uncompressed_size > UINT64_MAX - *total ? UINT64_MAX
                                                              : *total + info.uncompressed_size;
    }
    return status == UNZ_END_OF_LIST_OF_FILE;
}

}  // namespace

NZipIO::~NZipIO() {
    NZipIO::Unmount();
}

int NZipIO::Mount(int mountMode, const char* mountPath) {
    Unmount();
    mode = mountMode;
    path = mountPath;
    archive = mountPath ? unzOpen(mountPath) : nullptr;
    archiveSize = FileSize(mountPath);
    return archive && TotalWithinBudget() ? 0 : 1;
}

// A production is refused as a whole when its entries together declare more than
// it may hold, however each of them would fare alone.
bool NZipIO::TotalWithinBudget() {
    uint64_t total = 0;
    if (DeclaredTotal(archive, &total) && total <= static_cast<uint64_t>(kMaxProductionBytes)) {
        return true;
    }
    if (total > static_cast<uint64_t>(kMaxProductionBytes)) {
        Con.Error(
            "NZipIO: archive <%s> declares %llu bytes in all, more than the %lld a "
            "production may have",
            path, static_cast<unsigned long long>(total),
            static_cast<long long>(kMaxProductionBytes));
    }
    unzClose(archive);
    archive = nullptr;
    return false;
}

int NZipIO::Unmount() {
    if (mode & kModeKindMask) {
        mode = 0;
        if (archive) {
            unzClose(archive);
        }
        archive = nullptr;
    }
    return 0;
}

bool NZipIO::Locate(const char* name) {
    if (!name || strlen(name) >= sizeof(nameArea)) {
        Con.PrintLine("NZipIO: the entry name [%.64s...] is longer than %d characters",
                      name ? name : "", kNameAreaSize - 1);
        return false;
    }
    strcpy(nameArea, name);
    for (char* c = nameArea; *c; ++c) {
        if (*c == '\\') {
            *c = '/';
        }
    }
    return unzLocateFile(archive, nameArea, kCaseInsensitive) == UNZ_OK;
}

int NZipIO::Load(const char* name, unsigned char** buffer) {
    if (!archive) {
        return 1;
    }
    if (!Locate(name)) {
        Con.PrintLine("NZipIO::Load: file [%s] not found", name ? name : "");
        return -1;
    }
    uint64_t size = 0;
    if (!EntrySize(name, &size)) {
        return -1;
    }
    if (unzOpenCurrentFile(archive) != UNZ_OK) {
        Con.PrintLine("NZipIO::Load error");
        return 1;
    }
    uint64_t got = 0;
    unsigned char* data = ReadEntry(size, &got);
    // A checksum failure on close means the entry's data or its stored size lies.
    const int closed = unzCloseCurrentFile(archive);
    if (!data) {
        return -1;
    }
    if (got != size) {
        Con.PrintLine("NZipIO::Load: entry [%s] holds %llu bytes where its directory declares %llu",
                      name, static_cast<unsigned long long>(got),
                      static_cast<unsigned long long>(size));
    } else if (closed == UNZ_CRCERROR) {
        Con.PrintLine("NZipIO::Load: entry [%s] is damaged", name);
    }
    if (got != size || closed == UNZ_CRCERROR) {
        delete[] data;
        return -1;
    }
    *buffer = data;
    return static_cast<int>(got);
}

// The declared size, refused when it is more than the archive could hold.
bool NZipIO::EntrySize(const char* name, uint64_t* size) {
    unz_file_info64 info;
    if (unzGetCurrentFileInfo64(archive, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK) {
        Con.PrintLine("NZipIO: entry [%s] has no usable size", name);
        return false;
    }
    const uint64_t stored = info.compressed_size < archiveSize ? info.compressed_size : archiveSize;
    if (info.uncompressed_size > static_cast<uint64_t>(kMaxProductionBytes) ||
        info.uncompressed_size > stored * kMaxCompressionRatio) {
        Con.Error("NZipIO: entry [%s] declares %llu bytes from %llu stored bytes; refused", name,
                  static_cast<unsigned long long>(info.uncompressed_size),
                  static_cast<unsigned long long>(info.compressed_size));
        return false;
    }
    *size = info.uncompressed_size;
    return true;
}

// Reads the open entry into a block that grows with the data inflated, up to `size`
// bytes (the unzip reader stops there), so a directory that lies about the size costs
// only what the data holds. One byte more than the data keeps an empty entry's block
// a valid allocation. Null, logged, when memory or the data fails.
unsigned char* NZipIO::ReadEntry(uint64_t size, uint64_t* got) {
    uint64_t capacity = size < kFirstBlock ? size : kFirstBlock;
    unsigned char* data = new (std::nothrow) unsigned char[capacity + 1]();
    *got = 0;
    while (data) {
        if (*got == capacity) {
            if (capacity == size) {
                return data;
            }
            capacity = capacity * 2 < size ? capacity * 2 : size;
            data = Grow(data, *got, capacity + 1);
            continue;
        }
        const int read =
            unzReadCurrentFile(archive, data + *got, static_cast<unsigned>(capacity - *got));
        if (read < 0) {
            Con.PrintLine("NZipIO::Read error");
            delete[] data;
            return nullptr;
        }
        if (read == 0) {
            return data;
        }
        *got += static_cast<uint64_t>(read);
    }
    Con.Error("Memory allocating error.");
    return nullptr;
}

int64_t NZipIO::Remaining() {
    unz_file_info64 info;
    if (!archive ||
        unzGetCurrentFileInfo64(archive, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK) {
        return -1;
    }
    const int64_t position = unztell64(archive);
    const int64_t size = static_cast<int64_t>(info.uncompressed_size);
    return position >= 0 && position <= size ? size - position : -1;
}

int64_t NZipIO::Size(const char* name) {
    unz_file_info64 info;
    if (!archive || !Locate(name) ||
        unzGetCurrentFileInfo64(archive, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK) {
        return -1;
    }
    return info.uncompressed_size > INT64_MAX ? INT64_MAX
                                              : static_cast<int64_t>(info.uncompressed_size);
}

int NZipIO::Save(const char*, unsigned char**, int) {
    return 1;
}

int NZipIO::OpenRead(const char* name) {
    if (!archive) {
        return 1;
    }
    if (!Locate(name)) {
        Con.PrintLine("NZipIO::Open: file [%s] not found", name ? name : "");
        return 1;
    }
    uint64_t size = 0;
    if (!EntrySize(name, &size)) {
        return 1;
    }
    if (unzOpenCurrentFile(archive) != UNZ_OK) {
        Con.PrintLine("NZipIO::OpenRead error");
        return 1;
    }
    return 0;
}

int NZipIO::OpenWrite(const char*) {
    return 1;
}

int NZipIO::ReadResult(int got) {
    if (got < 0) {
        Con.PrintLine("NZipIO::Read error");
    }
    return got > 0 ? 0 : 1;
}

int NZipIO::Read(void* target, int count) {
    if (!archive || count < 0) {
        return 1;
    }
    return ReadResult(unzReadCurrentFile(archive, target, count));
}

int NZipIO::Skip(int count) {
    if (!archive || count < 0) {
        return 1;
    }
    unsigned char* scratch = new (std::nothrow) unsigned char[count + 1ul];
    if (!scratch) {
        Con.Error("Memory allocating error.");
        return 1;
    }
    const int result = ReadResult(unzReadCurrentFile(archive, scratch, count));
    delete[] scratch;
    return result;
}

int NZipIO::Write(const void*, int) {
    return 1;
}

int NZipIO::CloseFile() {
    if (archive) {
        unzCloseCurrentFile(archive);
    }
    return 0;
}
