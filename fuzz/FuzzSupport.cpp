#include "FuzzSupport.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "app/ClassTable.h"
#include "base/Con.h"
#include "document/NimbusDocument.h"
#include "image/Bitmap.h"
#include "io/Data.h"
#include "reflect/ObjectList.h"
#include "scene/Scene.h"
#include "sound/MusicDecoder.h"

namespace fuzz {

namespace {

constexpr int kChunkFrames = 1024;

// The mounted path must outlive the mount.
std::string folder;

void RemoveFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

// Memory-backed when the system offers it: every input is written once.
std::string MakeFolder() {
    const char* base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : P_tmpdir;
    std::string pattern = std::string(base) + "/nimbus-fuzz-XXXXXX";
    if (!mkdtemp(pattern.data())) {
        perror("nimbus fuzz: mkdtemp");
        abort();
    }
    return pattern;
}

// false once the music ends within `chunks` chunks.
bool DecodeChunks(MusicDecoder& decoder, int chunks) {
    static float stereo[2 * kChunkFrames];
    for (int i = 0; i < chunks; ++i) {
        if (decoder.Decode(stereo, kChunkFrames) < kChunkFrames) {
            return false;
        }
    }
    return true;
}

}  // namespace

void PrepareEngine() {
    NClassRegistration();
    folder = MakeFolder();
    atexit(RemoveFolder);
    DefaultInput.Mount(kDirectoryMode, folder.c_str());
    ReadFromFolder();
}

std::string WriteInput(const char* name, const uint8_t* data, size_t size) {
    const std::string path = folder + "/" + name;
    FILE* file = fopen(path.c_str(), "wb");
    if (!file || fwrite(data, 1, size, file) != size || fclose(file) != 0) {
        perror("nimbus fuzz: writing the input");
        abort();
    }
    return path;
}

void ReadFromFolder() {
    DefaultInput.SetAsDefault(false);
}

void CompileDocument(const char* name) {
    const int before = Con.ErrorCount();
    Document.Load(name);
    if (Con.ErrorCount() == before) {
        Document.CompileAndFind("Demo");
    }
    Document.Destroy();
}

void LoadPicture(const char* name) {
    NBitmap bitmap;
    bitmap.SetName(name);
    NData stream(NData::kInput);
    bitmap.Load(stream);
}

void DecodeMusic(MusicDecoder& decoder) {
    DecodeChunks(decoder, kMusicRate / kChunkFrames);
    if (decoder.Rewind()) {
        DecodeChunks(decoder, 1);
    }
}

void ForgetInput() {
    // Its scene is among the objects that go.
    CurrentScene = nullptr;
    ObjectList.DestroyAll();
    Con.ResetErrorCount();
}

}  // namespace fuzz
