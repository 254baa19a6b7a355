#include "sound/StreamDecoder.h"

#include <algorithm>
#include <cstdio>
#include <new>

#include "base/Con.h"

namespace {

constexpr int kChunkFrames = 1024;
constexpr int kStereoFrameBytes = 2 * sizeof(float);
// The most channels SDL's converter mixes down to stereo.
constexpr int kMaxChannels = 8;

}  // namespace

std::unique_ptr<StreamDecoder> StreamDecoder::Open(const unsigned char* data, size_t size,
                                                   int outputRate) {
    if (!data || size == 0) {
        return nullptr;
    }
    std::unique_ptr<StreamDecoder> decoder(new (std::nothrow) StreamDecoder(data, size));
    if (!decoder || !decoder->Start(outputRate)) {
        return nullptr;
    }
    return decoder;
}

StreamDecoder::StreamDecoder(const unsigned char* data, size_t size)
    : file{data, static_cast<sf_count_t>(size), 0} {}

StreamDecoder::~StreamDecoder() {
    if (converter) {
        SDL_FreeAudioStream(converter);
    }
    if (sound) {
        sf_close(sound);
    }
}

bool StreamDecoder::Start(int outputRate) {
    SF_VIRTUAL_IO io = {Length, Seek, Read, Write, Tell};
    sound = sf_open_virtual(&io, SFM_READ, &info, &file);
    if (!sound || info.channels < 1 || info.channels > kMaxChannels || info.samplerate <= 0) {
        return false;
    }
    // Counted, unlike other music that does not play: no player can play such a file,
    // so the production itself is at fault.
    if (static_cast<uint32_t>(info.samplerate) > kMaxSampleRate) {
        Con.Error("StreamDecoder: the music's rate of %d Hz is above %u Hz", info.samplerate,
                  kMaxSampleRate);
        return false;
    }
    converter = SDL_NewAudioStream(AUDIO_F32SYS, static_cast<Uint8>(info.channels), info.samplerate,
                                   AUDIO_F32SYS, 2, outputRate);
    if (!converter) {
        return false;
    }
    chunk.resize(static_cast<size_t>(kChunkFrames) * info.channels);
    return true;
}

int StreamDecoder::Decode(float* stereo, int frames) {
    const int wanted = frames * kStereoFrameBytes;
    while (!fileEnded && SDL_AudioStreamAvailable(converter) < wanted) {
        if (!Refill()) {
            // Pushes out what the resampler still holds back.
            SDL_AudioStreamFlush(converter);
            fileEnded = true;
        }
    }
    const int bytes = SDL_AudioStreamGet(converter, stereo, wanted);
    return bytes > 0 ? bytes / kStereoFrameBytes : 0;
}

bool StreamDecoder::Refill() {
    const sf_count_t frames = sf_readf_float(sound, chunk.data(), kChunkFrames);
    if (frames <= 0) {
        return false;
    }
    const int bytes = static_cast<int>(frames * info.channels * sizeof(float));
    return SDL_AudioStreamPut(converter, chunk.data(), bytes) == 0;
}

bool StreamDecoder::Rewind() {
    if (sf_seek(sound, 0, SEEK_SET) < 0) {
        return false;
    }
    SDL_AudioStreamClear(converter);
    fileEnded = false;
    return true;
}

sf_count_t StreamDecoder::Length(void* user) {
    return static_cast<MemoryFile*>(user)->size;
}

sf_count_t StreamDecoder::Seek(sf_count_t offset, int whence, void* user) {
    MemoryFile* memory = static_cast<MemoryFile*>(user);
    sf_count_t base = 0;
    if (whence == SEEK_CUR) {
        base = memory->position;
    } else if (whence == SEEK_END) {
        base = memory->size;
    } else if (whence != SEEK_SET) {
        return -1;
    }
    if (offset < -base || offset > memory->size - base) {
        return -1;
    }
    memory->position = base + offset;
    return memory->position;
}

sf_count_t StreamDecoder::Read(void* target, sf_count_t count, void* user) {
    MemoryFile* memory = static_cast<MemoryFile*>(user);
    sf_count_t available = memory->size - memory->position;
    if (count < available) {
        available = count;
    }
    if (available <= 0) {
        return 0;
    }
    std::copy_n(memory->data + memory->position, available, static_cast<unsigned char*>(target));
    memory->position += available;
    return available;
}

// The image is read-only.
sf_count_t StreamDecoder::Write(const void*, sf_count_t, void*) {
    return 0;
}

sf_count_t StreamDecoder::Tell(void* user) {
    return static_cast<MemoryFile*>(user)->position;
}
