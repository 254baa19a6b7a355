#include "sound/MusicDecoder.h"

#include "sound/ModuleDecoder.h"
#include "sound/StreamDecoder.h"

std::unique_ptr<MusicDecoder> OpenMusic(const unsigned char* data, size_t size, int rate,
                                        const char* name) {
    if (std::unique_ptr<MusicDecoder> stream = StreamDecoder::Open(data, size, rate, name)) {
        return stream;
    }
    return ModuleDecoder::Open(data, size, rate, true);
}
