#include "sound/StreamDecoder.h"

#include <algorithm>
#include <cstdio>
#include <new>

#include "base/Budgets.h"
#include "base/Con.h"
#include "sound/RiffLists.h"

namespace {

constexpr size_t kChunkFrames = 1024;
// Enough for 7.1 music; files with more channels are not music.
constexpr int kMaxChannels = 8;
// What a channel past the first two adds to each side.
constexpr float kExtraChannelShare = 0.5f;

// Mono plays on both sides. Channels past the first two (centre, surround) go to
// both sides at an equal share, and the sum is scaled back so it cannot clip more
// than the file itself.
void MixToStereo(const float* in, int channels, size_t frames, float* out) {
    if (channels == 1) {
        for (size_t i = 0; i < frames; ++i) {
            out[2 * i] = out[2 * i + 1] = in[i];
        }
        return;
    }
    const float scale = 1.0f / (1.0f + kExtraChannelShare * static_cast<float>(channels - 2));
    for (size_t i = 0; i < frames; ++i) {
        const float* frame = in + i * channels;
        float extra = 0.0f;
        for (int c = 2; c < channels; ++c) {
            extra += frame[c];
        }
        extra *= kExtraChannelShare;
        out[2 * i] = (frame[0] + extra) * scale;
        out[2 * i + 1] = (frame[1] + extra) * scale;
    }
}

}  // namespace

std::unique_ptr<StreamDecoder> StreamDecoder::Open(const unsigned char* data, size_t size,
                                                   int outputRate, const char* name) {
    if (!data || size == 0) {
        return nullptr;
    }
    std::unique_ptr<StreamDecoder> decoder(new (std::nothrow) StreamDecoder(data, size));
    if (!decoder || !decoder->Start(outputRate, name)) {
        return nullptr;
    }
    return decoder;
}

StreamDecoder::StreamDecoder(const unsigned char* data, size_t size)
    : file{data, static_cast<sf_count_t>(size), 0} {}

StreamDecoder::~StreamDecoder() {
    soxr_delete(resampler);
    if (sound) {
        sf_close(sound);
    }
}

bool StreamDecoder::Start(int rate, const char* name) {
    if (!RiffListsFit(file.data, static_cast<size_t>(file.size))) {
        Con.Error(
            "StreamDecoder: <%s> is a damaged WAV file: a LIST or INFO chunk declares "
            "more than it holds",
            name ? name : "music");
        return false;
    }
    SF_VIRTUAL_IO io = {Length, Seek, Read, Write, Tell};
    sound = sf_open_virtual(&io, SFM_READ, &info, &file);
    if (!sound || info.channels < 1 || info.channels > kMaxChannels || info.samplerate <= 0) {
        return false;
    }
    // Counted, unlike other music that does not play: no player can play such a file,
    // so the production itself is at fault. Below the floor, resampling alone would
    // take hundreds of megabytes; above the cap, the rate is damage.
    if (info.samplerate < kMinMusicRate ||
        static_cast<uint32_t>(info.samplerate) > kMaxSampleRate) {
        Con.Error("StreamDecoder: <%s> declares a rate of %d Hz; music may have %d to %u Hz",
                  name ? name : "music", info.samplerate, kMinMusicRate, kMaxSampleRate);
        return false;
    }
    outputRate = rate;
    fileFrames.resize(kChunkFrames * info.channels);
    stereoFrames.resize(2 * kChunkFrames);
    return StartResampler();
}

// A fresh resampler holds nothing of the music decoded before.
bool StreamDecoder::StartResampler() {
    soxr_delete(resampler);
    soxr_error_t error = nullptr;
    resampler = soxr_create(info.samplerate, outputRate, 2, &error, nullptr, nullptr, nullptr);
    return !error && !soxr_set_input_fn(resampler, Supply, this, kChunkFrames);
}

// The resampler pulls the file through Supply until it has the frames asked for or
// the file has ended and what it held back is out.
int StreamDecoder::Decode(float* stereo, int frames) {
    if (frames <= 0) {
        return 0;
    }
    return static_cast<int>(soxr_output(resampler, stereo, static_cast<size_t>(frames)));
}

bool StreamDecoder::Rewind() {
    return sf_seek(sound, 0, SEEK_SET) >= 0 && StartResampler();
}

// libsndfile counts the frames from the header, or from the file's end where the
// header leaves them out; it gives up only on streams it cannot seek through.
double StreamDecoder::DeclaredSeconds() const {
    if (info.frames <= 0 || info.frames == SF_COUNT_MAX) {
        return -1;
    }
    return static_cast<double>(info.frames) / info.samplerate;
}

// No frames (the end, or a damaged file) tells the resampler the input has ended.
size_t StreamDecoder::Supply(void* self, soxr_in_t* data, size_t requested) {
    auto* decoder = static_cast<StreamDecoder*>(self);
    *data = decoder->stereoFrames.data();
    return decoder->ReadStereo(std::min(requested, kChunkFrames));
}

size_t StreamDecoder::ReadStereo(size_t frames) {
    const sf_count_t read =
        sf_readf_float(sound, fileFrames.data(), static_cast<sf_count_t>(frames));
    if (read <= 0) {
        return 0;
    }
    MixToStereo(fileFrames.data(), info.channels, static_cast<size_t>(read), stereoFrames.data());
    return static_cast<size_t>(read);
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
