// A TGA file decoded into a bitmap, as a texture's Init loads it.
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::PrepareEngine();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::WriteInput("picture.tga", data, size);
    fuzz::LoadPicture("picture.tga");
    fuzz::ForgetInput();
    return 0;
}
