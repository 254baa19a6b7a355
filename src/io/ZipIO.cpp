#include "io/ZipIO.h"

#include <unzip.h>

#include <cstring>
#include <new>

#include "base/Con.h"

namespace {

// Where entry names are converted; overwritten by every call.
char nameArea[kNameAreaSize];

// Entries larger than this cannot be returned as a byte count.
constexpr unsigned long kMaxEntrySize = 0x7FFFFFFF;

constexpr int kCaseInsensitive = 2;

}  // namespace

NZipIO::~NZipIO() {
    NZipIO::Unmount();
}

int NZipIO::Mount(int mountMode, const char* mountPath) {
    Unmount();
    mode = mountMode;
    path = mountPath;
    archive = mountPath ? unzOpen(mountPath) : nullptr;
    return archive ? 0 : 1;
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
    if (unzOpenCurrentFile(archive) != UNZ_OK) {
        Con.PrintLine("NZipIO::Load error");
        return 1;
    }
    unz_file_info info;
    if (unzGetCurrentFileInfo(archive, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK ||
        info.uncompressed_size > kMaxEntrySize) {
        Con.PrintLine("NZipIO::Load: entry [%s] has no usable size", name);
        unzCloseCurrentFile(archive);
        return -1;
    }
    const unsigned size = static_cast<unsigned>(info.uncompressed_size);
    // One byte more than asked keeps an empty entry's buffer a valid allocation.
    unsigned char* data = new (std::nothrow) unsigned char[size + 1ul]();
    if (!data) {
        Con.Error("Memory allocating error.");
        unzCloseCurrentFile(archive);
        return -1;
    }
    const int got = size ? unzReadCurrentFile(archive, data, size) : 0;
    // A checksum failure on close means the entry's data or its stored size lies.
    const int closed = unzCloseCurrentFile(archive);
    if (got < 0 || closed == UNZ_CRCERROR) {
        Con.PrintLine("NZipIO::Load: entry [%s] is damaged", name);
        delete[] data;
        return -1;
    }
    *buffer = data;
    return got;
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
