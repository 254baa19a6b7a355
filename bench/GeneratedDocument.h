// A benchmark's generated document, written where the engine's default input finds
// it by name.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

#include "app/ClassTable.h"
#include "io/Data.h"

// Registers the engine's classes (once a process), writes `text` as `name` in the
// scratch folder `folderName` under the temporary folder and mounts that folder as
// the default input.
inline void MountGeneratedDocument(const char* folderName, const std::string& name,
                                   const std::string& text) {
    static const bool registered = [] {
        NClassRegistration();
        return true;
    }();
    (void)registered;
    static std::string mounted;  // the input keeps the pointer
    mounted = std::filesystem::temp_directory_path() / folderName;
    std::filesystem::create_directories(mounted);
    FILE* out = fopen((mounted + "/" + name).c_str(), "wb");
    fwrite(text.data(), 1, text.size(), out);
    fclose(out);
    DefaultInput.Mount(kDirectoryMode, mounted.c_str());
    DefaultInput.SetAsDefault(false);
}
