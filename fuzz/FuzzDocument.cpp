// A scene document: read, compiled when reading logged nothing, then released.
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::PrepareEngine();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::WriteInput("show.xml", data, size);
    fuzz::CompileDocument("show.xml");
    fuzz::ForgetInput();
    return 0;
}
