// A tracker module (MOD, XM, S3M, IT...) decoded on the fuzzer's thread
// for up to a second of output, then from its start again.
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"
#include "sound/ModuleDecoder.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::PrepareEngine();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (auto decoder = ModuleDecoder::Open(data, size, fuzz::kMusicRate, true)) {
        fuzz::DecodeMusic(*decoder);
    }
    fuzz::ForgetInput();
    return 0;
}
