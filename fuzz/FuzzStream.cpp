// A sampled music file (WAV, Ogg Vorbis, FLAC...) decoded on the fuzzer's thread
// for up to a second of output, then from its start again.
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"
#include "sound/StreamDecoder.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::PrepareEngine();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (auto decoder = StreamDecoder::Open(data, size, fuzz::kMusicRate)) {
        fuzz::DecodeMusic(*decoder);
    }
    fuzz::ForgetInput();
    return 0;
}
