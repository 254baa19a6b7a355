// An archive mounted as a production: every entry loaded, the pictures decoded
// and the document compiled, all through the archive back-end.
#include <unzip.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "io/Data.h"

namespace {

// Enough to reach every kind of entry; more only repeats the work.
constexpr int kMaxEntries = 16;

// The names stored in the archive's directory, as minizip lists them.
std::vector<std::string> EntryNames(const std::string& path) {
    std::vector<std::string> names;
    unzFile archive = unzOpen(path.c_str());
    if (!archive) {
        return names;
    }
    for (int status = unzGoToFirstFile(archive);
         status == UNZ_OK && static_cast<int>(names.size()) < kMaxEntries;
         status = unzGoToNextFile(archive)) {
        unz_file_info info;
        char name[256];
        if (unzGetCurrentFileInfo(archive, &info, name, sizeof name, nullptr, 0, nullptr, 0) ==
            UNZ_OK) {
            names.emplace_back(name);
        }
    }
    unzClose(archive);
    return names;
}

bool EndsWith(const std::string& name, const char* ending) {
    const std::string tail(ending);
    return name.size() > tail.size() &&
           name.compare(name.size() - tail.size(), tail.size(), tail) == 0;
}

void ReadEntry(NData& archive, const std::string& name) {
    unsigned char* bytes = nullptr;
    if (archive.Load(name.c_str(), &bytes) >= 0) {
        delete[] bytes;
    }
    if (EndsWith(name, ".tga") || EndsWith(name, ".jpg")) {
        fuzz::LoadPicture(name.c_str());
    } else if (EndsWith(name, ".xml")) {
        fuzz::CompileDocument(name.c_str());
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::PrepareEngine();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz::WriteInput("show.dat", data, size);
    {
        NData archive;
        if (archive.Mount(kArchiveMode, path.c_str()) == 0) {
            archive.SetAsDefault(false);
            for (const std::string& name : EntryNames(path)) {
                ReadEntry(archive, name);
            }
        }
    }
    fuzz::ReadFromFolder();
    fuzz::ForgetInput();
    return 0;
}
