#include "preview/ProductionCopies.h"

#include <stdlib.h>

#include <filesystem>
#include <system_error>

#include "app/AppPath.h"
#include "base/Con.h"

namespace fs = std::filesystem;

ProductionCopies::ProductionCopies(const std::string& path) {
    SplitAppPath(path.c_str(), &directory, &name);
}

ProductionCopies::~ProductionCopies() {
    if (!scratch.empty()) {
        std::error_code error;
        fs::remove_all(scratch, error);
    }
}

std::string ProductionCopies::Copy() {
    if (scratch.empty()) {
        const char* temporary = getenv("TMPDIR");
        std::string pattern =
            std::string(temporary && *temporary ? temporary : "/tmp") + "/nimbus-preview-XXXXXX";
        if (!mkdtemp(pattern.data())) {
            Con.Error("nimbus-preview: can't make a scratch folder in %s", pattern.c_str());
            return "";
        }
        scratch = pattern;
    }
    const fs::path copy = fs::path(scratch) / std::to_string(++copies);
    const fs::path archive = directory + name + ".dat";
    const fs::path data = directory + "data";
    std::error_code error;
    fs::create_directories(copy, error);
    if (!error && fs::is_regular_file(archive)) {
        fs::copy_file(archive, copy / archive.filename(), error);
    }
    if (!error && fs::is_directory(data)) {
        fs::copy(data, copy / "data", fs::copy_options::recursive, error);
    }
    if (error) {
        Con.Error("nimbus-preview: can't copy the production: %s", error.message().c_str());
        return "";
    }
    return (copy / name).string();
}

void ProductionCopies::RemoveAllBut(const std::string& kept) {
    if (scratch.empty()) {
        return;
    }
    const fs::path keptFolder = fs::path(kept).parent_path();
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(scratch, error)) {
        if (entry.path() != keptFolder) {
            fs::remove_all(entry.path(), error);
        }
    }
}
