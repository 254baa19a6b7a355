#include "io/StdIO.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

#include <cstring>
#include <new>

#include "base/Con.h"

namespace {

// Where full file paths are composed; overwritten by every call.
char pathArea[kNameAreaSize];

bool Exists(const char* path) {
    struct stat info;
    return stat(path, &info) == 0;
}

// Replaces `component` (inside `path`, after the directory `path[0, start)`) by the
// directory entry that matches it case-insensitively. Entries have the same length
// as the component they match, so the path keeps its length.
bool MatchComponent(char* path, int start, int length) {
    char directory[kNameAreaSize];
    if (start == 0) {
        strcpy(directory, ".");
    } else {
        memcpy(directory, path, start);
        directory[start] = '\0';
    }
    DIR* dir = opendir(directory);
    if (!dir) {
        return false;
    }
    bool found = false;
    while (dirent* entry = readdir(dir)) {
        if (static_cast<int>(strlen(entry->d_name)) == length &&
            strncasecmp(entry->d_name, path + start, length) == 0) {
            memcpy(path + start, entry->d_name, length);
            found = true;
            break;
        }
    }
    closedir(dir);
    return found;
}

}  // namespace

bool ComposePath(const char* mountPath, const char* name, char* out, int size) {
    const bool joined = mountPath && mountPath[0] != '\0';
    const int written =
        joined ? snprintf(out, size, "%s/%s", mountPath, name) : snprintf(out, size, "%s", name);
    if (written < 0 || written >= size) {
        return false;
    }
    for (char* c = out; *c; ++c) {
        if (*c == '\\') {
            *c = '/';
        }
    }
    return true;
}

bool ResolvePathCase(char* path, int /*size*/, bool forWriting) {
    const int length = static_cast<int>(strlen(path));
    int start = 0;
    while (start < length) {
        int end = start;
        while (end < length && path[end] != '/') {
            ++end;
        }
        const bool last = end == length;
        const char saved = path[end];
        path[end] = '\0';
        const bool special =
            end == start || strcmp(path + start, ".") == 0 || strcmp(path + start, "..") == 0;
        bool ok = special || Exists(path);
        path[end] = saved;
        if (!ok) {
            ok = MatchComponent(path, start, end - start) || (last && forWriting);
        }
        if (!ok) {
            return false;
        }
        start = end + 1;
    }
    return true;
}

NStdIO::~NStdIO() {
    CloseFile();
}

int NStdIO::Mount(int mountMode, const char* mountPath) {
    NIO::Mount(mountMode, mountPath);
    file = nullptr;
    return 0;
}

FILE* NStdIO::Open(const char* name, bool forWriting) {
    if (!name || !ComposePath(path, name, pathArea, kNameAreaSize)) {
        Con.PrintLine("NStdIO: the path for [%.64s...] is longer than %d characters",
                      name ? name : "", kNameAreaSize - 1);
        return nullptr;
    }
    const char* openMode = forWriting ? "wb" : "rb";
    if (FILE* exact = fopen(pathArea, openMode)) {
        return exact;
    }
    if (!ResolvePathCase(pathArea, kNameAreaSize, forWriting)) {
        return nullptr;
    }
    return fopen(pathArea, openMode);
}

int NStdIO::Load(const char* name, unsigned char** buffer) {
    if (file) {
        return -1;
    }
    FILE* in = Open(name, false);
    if (!in) {
        Con.PrintLine("NStdIO::Load: file [%s] not found", name ? name : "");
        return -1;
    }
    long size = -1;
    if (fseek(in, 0, SEEK_END) == 0) {
        size = ftell(in);
    }
    if (size < 0 || size > 0x7FFFFFFF || fseek(in, 0, SEEK_SET) != 0) {
        fclose(in);
        return -1;
    }
    // One byte more than asked keeps an empty file's buffer a valid allocation.
    unsigned char* data = new (std::nothrow) unsigned char[size + 1]();
    if (!data) {
        Con.Error("Memory allocating error.");
        fclose(in);
        return -1;
    }
    const bool complete = fread(data, 1, size, in) == static_cast<size_t>(size);
    fclose(in);
    if (!complete) {
        delete[] data;
        return -1;
    }
    *buffer = data;
    return static_cast<int>(size);
}

int NStdIO::Save(const char* name, unsigned char** buffer, int size) {
    if (file || size < 0) {
        return -1;
    }
    FILE* out = Open(name, true);
    if (!out) {
        return -1;
    }
    const bool complete = size == 0 || fwrite(*buffer, 1, size, out) == static_cast<size_t>(size);
    const bool closed = fclose(out) == 0;
    return complete && closed ? size : -1;
}

int NStdIO::OpenRead(const char* name) {
    CloseFile();
    file = Open(name, false);
    if (!file) {
        Con.PrintLine("NStdIO::OpenRead: file [%s] not found", name ? name : "");
        return 1;
    }
    return 0;
}

int NStdIO::OpenWrite(const char* name) {
    CloseFile();
    file = Open(name, true);
    return file ? 0 : 1;
}

int NStdIO::Skip(int count) {
    if (!file) {
        return -1;
    }
    return fseek(file, count, SEEK_CUR) == 0 ? 0 : -1;
}

int NStdIO::Read(void* target, int count) {
    if (!file || count < 0) {
        return 1;
    }
    return fread(target, 1, count, file) == static_cast<size_t>(count) ? 0 : 1;
}

int64_t NStdIO::Remaining() {
    if (!file) {
        return -1;
    }
    const long position = ftell(file);
    if (position < 0 || fseek(file, 0, SEEK_END) != 0) {
        return -1;
    }
    const long end = ftell(file);
    if (end < 0 || fseek(file, position, SEEK_SET) != 0) {
        return -1;
    }
    // A skip may have gone past the end.
    return end > position ? end - position : 0;
}

int64_t NStdIO::Size(const char* name) {
    if (!name || !ComposePath(path, name, pathArea, kNameAreaSize)) {
        return -1;
    }
    struct stat info;
    if (stat(pathArea, &info) != 0 &&
        (!ResolvePathCase(pathArea, kNameAreaSize, false) || stat(pathArea, &info) != 0)) {
        return -1;
    }
    return static_cast<int64_t>(info.st_size);
}

int NStdIO::Write(const void* source, int count) {
    if (!file || count < 0) {
        return 1;
    }
    return fwrite(source, 1, count, file) == static_cast<size_t>(count) ? 0 : 1;
}

int NStdIO::CloseFile() {
    if (!file) {
        return 0;
    }
    if (fclose(file) != 0) {
        // The stream is gone even when fclose reports a failure; keeping the
        // handle would close it twice.
        file = nullptr;
        return 1;
    }
    file = nullptr;
    return 0;
}
