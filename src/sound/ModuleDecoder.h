// Tracker modules (MOD, XM, S3M, IT and the other formats libopenmpt reads)
// rendered from a file image in memory.
#pragma once

#include <libopenmpt/libopenmpt.h>

#include <cstddef>
#include <memory>

#include "sound/MusicDecoder.h"

class ModuleDecoder : public MusicDecoder {
  public:
    // Null when libopenmpt cannot read the image; the module keeps its own copy.
    static std::unique_ptr<ModuleDecoder> Open(const unsigned char* data, size_t size, int rate,
                                               bool volumeRamping);
    ~ModuleDecoder() override;

    int Decode(float* stereo, int frames) override;
    bool Rewind() override;

  private:
    ModuleDecoder(openmpt_module* module, int rate) : module(module), rate(rate) {}

    openmpt_module* module;
    int rate;
};
