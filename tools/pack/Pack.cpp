#include "pack/Pack.h"

#include <zip.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace fs = std::filesystem;

namespace {

bool AddFile(zipFile archive, const fs::path& file, const std::string& entry) {
    std::ifstream in(file, std::ios::binary);
    std::vector<char> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.good() && !in.eof()) {
        return false;
    }
    zip_fileinfo info{};
    if (zipOpenNewFileInZip(archive, entry.c_str(), &info, nullptr, 0, nullptr, 0, nullptr,
                            Z_DEFLATED, Z_DEFAULT_COMPRESSION) != ZIP_OK) {
        return false;
    }
    const bool written =
        data.empty() || zipWriteInFileInZip(archive, data.data(), data.size()) == ZIP_OK;
    return zipCloseFileInZip(archive) == ZIP_OK && written;
}

}  // namespace

int PackDirectory(const std::string& folder, const std::string& archive, std::string* error) {
    std::error_code failure;
    std::vector<fs::path> files;
    for (fs::recursive_directory_iterator it(folder, failure), end; !failure && it != end;
         it.increment(failure)) {
        if (it->is_regular_file()) {
            files.push_back(it->path());
        }
    }
    if (failure) {
        *error = "can not read folder " + folder + ": " + failure.message();
        return 1;
    }
    std::sort(files.begin(), files.end());
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
