#include "sound/ModuleDecoder.h"

#include <new>

namespace {

// libopenmpt's own choice of ramping; 0 switches it off.
constexpr int kDefaultRamping = -1;
constexpr int kNoRamping = 0;

}  // namespace

std::unique_ptr<ModuleDecoder> ModuleDecoder::Open(const unsigned char* data, size_t size, int rate,
                                                   bool volumeRamping) {
    if (!data || size == 0) {
        return nullptr;
    }
    // Silent: a file that is no module is an expected outcome, not a message.
    openmpt_module* module = openmpt_module_create_from_memory2(data, size, openmpt_log_func_silent,
                                                                nullptr, openmpt_error_func_ignore,
                                                                nullptr, nullptr, nullptr, nullptr);
    if (!module) {
        return nullptr;
    }
    openmpt_module_set_render_param(module, OPENMPT_MODULE_RENDER_VOLUMERAMPING_STRENGTH,
                                    volumeRamping ? kDefaultRamping : kNoRamping);
    std::unique_ptr<ModuleDecoder> decoder(new (std::nothrow) ModuleDecoder(module, rate));
    if (!decoder) {
        openmpt_module_destroy(module);
    }
    return decoder;
}

ModuleDecoder::~ModuleDecoder() {
    openmpt_module_destroy(module);
}

// libopenmpt may render less than asked per call; only 0 means the end.
int ModuleDecoder::Decode(float* stereo, int frames) {
    int written = 0;
    while (written < frames) {
        const size_t count = openmpt_module_read_interleaved_float_stereo(
            module, rate, static_cast<size_t>(frames - written), stereo + 2 * written);
        if (count == 0) {
            break;
        }
        written += static_cast<int>(count);
    }
    return written;
}

bool ModuleDecoder::Rewind() {
    return openmpt_module_set_position_seconds(module, 0.0) >= 0.0;
}
