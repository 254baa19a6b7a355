#include "sound/BassWrapper.h"

#include <SDL.h>
#include <strings.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "base/Con.h"
#include "sound/BassLibrary.h"

namespace {

constexpr int kRefusedCode = 6;

// The bound entry points, in the order they are looked up.
struct BassEntryPoints {
    decltype(&BASS_ErrorGetCode) ErrorGetCode;
    decltype(&BASS_Init) Init;
    decltype(&BASS_Free) Free;
    decltype(&BASS_GetCPU) GetCPU;
    decltype(&BASS_Start) Start;
    decltype(&BASS_Pause) Pause;
    decltype(&BASS_SetVolume) SetVolume;
    decltype(&BASS_MusicLoad) MusicLoad;
    decltype(&BASS_StreamCreateFile) StreamCreateFile;
    decltype(&BASS_ChannelPlay) ChannelPlay;
    decltype(&BASS_ChannelIsActive) ChannelIsActive;
    decltype(&BASS_ChannelSetAttributes) ChannelSetAttributes;
    decltype(&BASS_ChannelGetAttributes) ChannelGetAttributes;
    decltype(&BASS_ChannelGetPosition) ChannelGetPosition;
    decltype(&BASS_ChannelGetLevel) ChannelGetLevel;
    decltype(&BASS_ChannelSetSync) ChannelSetSync;
};

BassEntryPoints bass;
bool loaded = false;
int constructedCount = 0;
std::string libraryFile;
const BassLibraryTable* libraryTable = nullptr;

template <typename Function>
bool Bind(const BassLibraryTable& table, const char* name, Function*& slot) {
    slot = reinterpret_cast<Function*>(FindBassExport(table, name));
    return slot != nullptr;
}

// A library without one of its entry points is refused whole: calling a missing
// one would crash the player.
bool BindEntryPoints(const BassLibraryTable& table) {
    return Bind(table, "BASS_ErrorGetCode", bass.ErrorGetCode) &&
           Bind(table, "BASS_Init", bass.Init) && Bind(table, "BASS_Free", bass.Free) &&
           Bind(table, "BASS_GetCPU", bass.GetCPU) && Bind(table, "BASS_Start", bass.Start) &&
           Bind(table, "BASS_Pause", bass.Pause) && Bind(table, "BASS_SetVolume", bass.SetVolume) &&
           Bind(table, "BASS_MusicLoad", bass.MusicLoad) &&
           Bind(table, "BASS_StreamCreateFile", bass.StreamCreateFile) &&
           Bind(table, "BASS_ChannelPlay", bass.ChannelPlay) &&
           Bind(table, "BASS_ChannelIsActive", bass.ChannelIsActive) &&
           Bind(table, "BASS_ChannelSetAttributes", bass.ChannelSetAttributes) &&
           Bind(table, "BASS_ChannelGetAttributes", bass.ChannelGetAttributes) &&
           Bind(table, "BASS_ChannelGetPosition", bass.ChannelGetPosition) &&
           Bind(table, "BASS_ChannelGetLevel", bass.ChannelGetLevel) &&
           Bind(table, "BASS_ChannelSetSync", bass.ChannelSetSync);
}

// Windows file names ignore letter case, so "BASS.DLL" names the same library.
void BindLibrary() {
    const BassLibraryTable& table = libraryTable ? *libraryTable : BuiltInBassLibrary();
    if (libraryFile.empty() || !table.fileName ||
        strcasecmp(libraryFile.c_str(), table.fileName) != 0) {
        Con.Print("Can't find BASS.DLL\n");
        return;
    }
    if (!BindEntryPoints(table)) {
        bass = {};
        Con.Print("Can't load BASS.DLL\n");
        return;
    }
    loaded = true;
}

// Later flag bits win: 1 asks for 11025 Hz, 2 for 22050 Hz, 4 for 44100 Hz.
int OutputRateFor(int flags) {
    int rate = 44100;
    if (flags & kSoundRate11025) {
        rate = 11025;
    }
    if (flags & kSoundRate22050) {
        rate = 22050;
    }
    if (flags & kSoundRate44100) {
        rate = 44100;
    }
    return rate;
}

}  // namespace

BassWrapper::BassWrapper() {
    if (constructedCount++ == 0) {
        BindLibrary();
    }
}

void BassWrapper::SetLibraryFile(const char* fileName) {
    libraryFile = fileName ? fileName : "";
}

void BassWrapper::SetLibraryTable(const BassLibraryTable* table) {
    libraryTable = table;
}

bool BassWrapper::IsLoaded() {
    return loaded;
}

int BassWrapper::ConstructedCount() {
    return constructedCount;
}

void BassWrapper::ForgetBinding() {
    bass = {};
    loaded = false;
    constructedCount = 0;
    libraryFile.clear();
    libraryTable = nullptr;
}

void BassWrapper::SetMusic(unsigned char* data, const char* name, int byteCount, int soundFlags) {
    musicData = data;
    fileName = name;
    size = byteCount;
    flags = soundFlags;
}

// Anything the library opens as a stream plays as one; everything else is tried
// as a tracker module.
int BassWrapper::Play(bool fromMemory) {
    if (!loaded) {
        return 1;
    }
    outputRate = OutputRateFor(flags);
    // The default device (-1) when music is wanted; the flag value 2 unless bit 5
    // asks for 0.
    const int device = (flags >> 3) | ~1;
    const uint32_t initFlags = ~(flags >> 4) & 2;
    if (!bass.Init(device, outputRate, initFlags, SDL_GetKeyboardFocus(), nullptr)) {
        return 1;
    }
    const void* source = fromMemory ? static_cast<const void*>(musicData) : fileName;
    // A negative size would read past the image.
    const uint64_t length = static_cast<uint64_t>(std::max(size, 0));
    channel = static_cast<int>(bass.StreamCreateFile(fromMemory, source, 0, length, 0));
    if (!channel) {
        channel =
            static_cast<int>(bass.MusicLoad(fromMemory, source, 0, length, kBassMusicRamp, 0));
    }
    if (!channel || !bass.Start() || !bass.ChannelPlay(channel, 1)) {
        return 1;
    }
    return NSoundBase::Play(fromMemory);
}

// The state changes even when the library refuses.
void BassWrapper::Pause() {
    NSoundBase::Pause();
    if (!loaded || !bass.Pause()) {
        Con.ReportCode(kRefusedCode, "NSound");
    }
}

void BassWrapper::Resume() {
    NSoundBase::Resume();
    if (!loaded || !bass.Start()) {
        Con.ReportCode(kRefusedCode, "NSound");
    }
}

void BassWrapper::SetVolume(float volume) {
    if (loaded) {
        bass.SetVolume(volume);
    }
}

int BassWrapper::Free() {
    if (!loaded) {
        return 1;
    }
    if (flags & kSoundMusic) {
        bass.Free();
    }
    flags = 0;
    channel = 0;
    NSoundBase::Free();
    return 0;
}
