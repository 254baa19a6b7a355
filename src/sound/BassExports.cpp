#include "sound/BassExports.h"

#include <cstring>
#include <iterator>

#include "sound/BassLibrary.h"

namespace {

template <typename Function>
BassExport Export(const char* name, Function* function) {
    return {name, reinterpret_cast<BassEntry>(function)};
}

const BassExport kExports[] = {
    Export("BASS_ErrorGetCode", BASS_ErrorGetCode),
    Export("BASS_Init", BASS_Init),
    Export("BASS_Free", BASS_Free),
    Export("BASS_GetCPU", BASS_GetCPU),
    Export("BASS_Start", BASS_Start),
    Export("BASS_Pause", BASS_Pause),
    Export("BASS_SetVolume", BASS_SetVolume),
    Export("BASS_MusicLoad", BASS_MusicLoad),
    Export("BASS_StreamCreateFile", BASS_StreamCreateFile),
    Export("BASS_ChannelPlay", BASS_ChannelPlay),
    Export("BASS_ChannelIsActive", BASS_ChannelIsActive),
    Export("BASS_ChannelSetAttributes", BASS_ChannelSetAttributes),
    Export("BASS_ChannelGetAttributes", BASS_ChannelGetAttributes),
    Export("BASS_ChannelGetPosition", BASS_ChannelGetPosition),
    Export("BASS_ChannelGetLevel", BASS_ChannelGetLevel),
    Export("BASS_ChannelSetSync", BASS_ChannelSetSync),
};

const BassLibraryTable kBuiltIn = {"bass.dll", kExports, static_cast<int>(std::size(kExports))};

}  // namespace

const BassLibraryTable& BuiltInBassLibrary() {
    return kBuiltIn;
}

BassEntry FindBassExport(const BassLibraryTable& table, const char* name) {
    for (int i = 0; i < table.count; ++i) {
        if (table.exports[i].name && strcmp(table.exports[i].name, name) == 0) {
            return table.exports[i].entry;
        }
    }
    return nullptr;
}
