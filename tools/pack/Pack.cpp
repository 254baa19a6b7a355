#include "pack/Pack.h"

#include <zip.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

#include "base/Budgets.h"
#include "base/Con.h"
#include "image/Bitmap.h"
#include "io/Data.h"
#include "sound/MusicDecoder.h"

namespace fs = std::filesystem;

namespace {

// Files move into the archive in blocks of this size.
constexpr size_t kBlockBytes = 1 << 16;

// The files below `folder` in name order, without `archive`.
bool ListFiles(const std::string& folder, const std::string& archive, std::vector<fs::path>* files,
               std::string* error) {
    std::error_code failure;
    const fs::path output = fs::weakly_canonical(archive, failure);
    for (fs::recursive_directory_iterator it(folder, failure), end; !failure && it != end;
         it.increment(failure)) {
        std::error_code ignored;
        if (it->is_regular_file() && fs::weakly_canonical(it->path(), ignored) != output) {
            files->push_back(it->path());
        }
    }
    if (failure) {
        *error = "can not read folder " + folder + ": " + failure.message();
        return false;
    }
    std::sort(files->begin(), files->end());
    return true;
}

bool AddFile(zipFile archive, const fs::path& file, const std::string& entry) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return false;
    }
    zip_fileinfo info{};
    if (zipOpenNewFileInZip(archive, entry.c_str(), &info, nullptr, 0, nullptr, 0, nullptr,
                            Z_DEFLATED, Z_DEFAULT_COMPRESSION) != ZIP_OK) {
        return false;
    }
    std::vector<char> block(kBlockBytes);
    bool written = true;
    while (written &&
           in.read(block.data(), static_cast<std::streamsize>(block.size())).gcount() > 0) {
        written = zipWriteInFileInZip(archive, block.data(), static_cast<unsigned>(in.gcount())) ==
                  ZIP_OK;
    }
    return zipCloseFileInZip(archive) == ZIP_OK && written && (in.eof() || in.good());
}

bool EndsWith(std::string name, const char* ending) {
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const std::string tail(ending);
    return name.size() > tail.size() &&
           name.compare(name.size() - tail.size(), tail.size(), tail) == 0;
}

bool EndsWithAny(const std::string& name, std::initializer_list<const char*> endings) {
    return std::any_of(endings.begin(), endings.end(),
                       [&](const char* ending) { return EndsWith(name, ending); });
}

// What the player does with a file, by its name.
enum class Kind { kDocument, kPicture, kShader, kMusic, kOther };

Kind KindOf(const std::string& entry) {
    if (EndsWith(entry, ".xml")) {
        return Kind::kDocument;
    }
    if (FileKindFromName(entry.c_str()) != NBitmapFormat::kRawFile) {
        return Kind::kPicture;
    }
    if (EndsWithAny(entry, {".glvert", ".glfrag", ".vert", ".frag", ".glsl", ".vs", ".fs"})) {
        return Kind::kShader;
    }
    if (EndsWithAny(entry, {".wav", ".ogg", ".flac", ".mp3", ".opus", ".aif", ".aiff", ".au",
                            ".mod", ".xm", ".s3m", ".it", ".mptm"})) {
        return Kind::kMusic;
    }
    return Kind::kOther;
}

// The byte budget of a kind; the music's, the largest, for a file of no known kind.
int64_t BudgetOf(Kind kind) {
    switch (kind) {
        case Kind::kDocument:
            return kMaxDocumentBytes;
        case Kind::kPicture:
            return kMaxImageBytes;
        case Kind::kShader:
            return kMaxShaderBytes;
        default:
            return kMaxMusicBytes;
    }
}

// Whether the picture's codec takes it, as the player's texture would load it.
bool PictureLoads(NData& folder, const std::string& entry) {
    NBitmap bitmap;
    bitmap.SetName(entry.c_str());
    bitmap.Load(folder);
    return bitmap.Pixels != nullptr;
}

// Whether the music decoders take the file, as the player's sound would open it;
// a refusal is reported by the decoder.
bool MusicOpens(NData& folder, const std::string& entry) {
    unsigned char* data = nullptr;
    const int size = folder.Load(entry.c_str(), &data);
    const std::unique_ptr<unsigned char[]> image(data);
    return size > 0 &&
           OpenMusic(image.get(), static_cast<size_t>(size), kMusicRate, entry.c_str()) != nullptr;
}

// One file: false, with the reason logged, when the player will refuse it.
bool FileAccepted(NData& folder, const std::string& entry, uintmax_t size) {
    const Kind kind = KindOf(entry);
    if (static_cast<int64_t>(size) > BudgetOf(kind)) {
        Con.Warning("nimbus-pack: <%s> holds %ju bytes, more than the %lld the player loads",
                    entry.c_str(), size, static_cast<long long>(BudgetOf(kind)));
        return false;
    }
    switch (kind) {
        case Kind::kPicture:
            return PictureLoads(folder, entry);
        case Kind::kMusic:
            return MusicOpens(folder, entry);
        default:
            return true;
    }
}

}  // namespace

int WarnAboutRefusals(const std::string& folder, const std::string& archive) {
    std::vector<fs::path> files;
    std::string error;
    if (!ListFiles(folder, archive, &files, &error)) {
        return 0;
    }
    NData stream;
    stream.Mount(kDirectoryMode, folder.c_str());
    int warnings = 0;
    uintmax_t total = 0;
    for (const fs::path& file : files) {
        std::error_code failure;
        const uintmax_t size = fs::file_size(file, failure);
        total += failure ? 0 : size;
        const std::string entry = fs::relative(file, folder).generic_string();
        if (!FileAccepted(stream, entry, size)) {
            Con.Warning("nimbus-pack: the player will refuse <%s>", entry.c_str());
            ++warnings;
        }
    }
    if (total > static_cast<uintmax_t>(kMaxProductionBytes)) {
        Con.Warning(
            "nimbus-pack: the files hold %ju bytes in all; the player refuses an archive "
            "of more than %lld",
            total, static_cast<long long>(kMaxProductionBytes));
        ++warnings;
    }
    return warnings;
}

int PackDirectory(const std::string& folder, const std::string& archive, std::string* error) {
    std::vector<fs::path> files;
    if (!ListFiles(folder, archive, &files, error)) {
        return 1;
    }
    zipFile out = zipOpen(archive.c_str(), APPEND_STATUS_CREATE);
    if (!out) {
        *error = "can not create archive " + archive;
        return 1;
    }
    for (const fs::path& file : files) {
        const std::string entry = fs::relative(file, folder).generic_string();
        if (!AddFile(out, file, entry)) {
            zipClose(out, nullptr);
            *error = "can not add " + entry + " to " + archive;
            return 1;
        }
    }
    if (zipClose(out, nullptr) != ZIP_OK) {
        *error = "can not finish archive " + archive;
        return 1;
    }
    return 0;
}
