#include "sound/BassLibrary.h"

#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <memory>
#include <new>
#include <vector>

#include "sound/AudioChannel.h"
#include "sound/ModuleDecoder.h"
#include "sound/StreamDecoder.h"

namespace {

// A device buffer of about 46 ms at 44.1 kHz: long enough that a loaded machine
// does not starve the output, and the demo clock does not depend on it.
constexpr Uint16 kDeviceFrames = 2048;

// The open output and its channels. Only the player's thread changes the channel
// list, and only while it holds the device lock, so the audio thread can walk it.
struct Output {
    SDL_AudioDeviceID device = 0;
    int rate = 0;
    bool paused = false;
    std::vector<std::unique_ptr<AudioChannel>> channels;
    std::atomic<float> volume{1.0f};
    std::atomic<float> cpu{0.0f};
};

Output output;
int lastError = kBassOk;
uint32_t lastHandle = 0;

// Keeps the audio thread out while a channel changes.
class DeviceLock {
  public:
    DeviceLock() { SDL_LockAudioDevice(output.device); }
    ~DeviceLock() { SDL_UnlockAudioDevice(output.device); }
    DeviceLock(const DeviceLock&) = delete;
    DeviceLock& operator=(const DeviceLock&) = delete;
};

int Fail(BassError error) {
    lastError = error;
    return 0;
}

int Succeed() {
    lastError = kBassOk;
    return 1;
}

uint32_t NextHandle() {
    if (++lastHandle == 0) {
        ++lastHandle;
    }
    return lastHandle;
}

// Audio thread: mixes every playing channel into the device buffer.
void MixOutput(void*, Uint8* stream, int length) {
    const Uint64 start = SDL_GetPerformanceCounter();
    float* out = reinterpret_cast<float*>(stream);
    const int frames = length / static_cast<int>(2 * sizeof(float));
    std::fill_n(out, 2 * frames, 0.0f);
    const float volume = output.volume.load(std::memory_order_relaxed);
    for (const std::unique_ptr<AudioChannel>& channel : output.channels) {
        channel->MixInto(out, frames, volume);
    }
    const double spent = static_cast<double>(SDL_GetPerformanceCounter() - start) /
                         static_cast<double>(SDL_GetPerformanceFrequency());
    const double budget = static_cast<double>(frames) / output.rate;
    output.cpu.store(static_cast<float>(100.0 * spent / budget), std::memory_order_relaxed);
}

AudioChannel* FindChannel(uint32_t handle) {
    for (const std::unique_ptr<AudioChannel>& channel : output.channels) {
        if (channel->Handle() == handle) {
            return channel.get();
        }
    }
    return nullptr;
}

// The channel of `handle`, or null with the error set.
AudioChannel* ChannelOrFail(uint32_t handle) {
    if (!output.device) {
        Fail(kBassErrorNotInitialised);
        return nullptr;
    }
    AudioChannel* channel = FindChannel(handle);
    if (!channel) {
        Fail(kBassErrorHandle);
    }
    return channel;
}

// Reads `length` bytes (0: all) of a named file from `offset` on.
bool ReadNamedFile(const char* name, uint64_t offset, uint64_t length,
                   std::vector<unsigned char>* image) {
    FILE* file = fopen(name, "rb");
    if (!file) {
        return false;
    }
    bool complete = false;
    if (fseek(file, 0, SEEK_END) == 0) {
        const long end = ftell(file);
        if (end >= 0 && offset <= static_cast<uint64_t>(end)) {
            const uint64_t rest = end - offset;
            const uint64_t count = length == 0 ? rest : std::min(length, rest);
            image->resize(count);
            complete = fseek(file, static_cast<long>(offset), SEEK_SET) == 0 &&
                       fread(image->data(), 1, count, file) == count;
        }
    }
    fclose(file);
    return complete;
}

template <typename OpenDecoder>
uint32_t CreateChannel(int mem, const void* file, uint64_t offset, uint64_t length,
                       OpenDecoder openDecoder) {
    if (!output.device) {
        return Fail(kBassErrorNotInitialised);
    }
    if (!file || (mem && length == 0)) {
        return Fail(kBassErrorParameter);
    }
    std::vector<unsigned char> image;
    const unsigned char* data = nullptr;
    size_t size = 0;
    if (mem) {
        data = static_cast<const unsigned char*>(file) + offset;
        size = length;
    } else {
        if (!ReadNamedFile(static_cast<const char*>(file), offset, length, &image)) {
            return Fail(kBassErrorFileOpen);
        }
        // The vector's storage moves into the channel with it, so the decoder may
        // keep pointing into it.
        data = image.data();
        size = image.size();
    }
    std::unique_ptr<MusicDecoder> decoder = openDecoder(data, size);
    if (!decoder) {
        return Fail(kBassErrorFormat);
    }
    const uint32_t handle = NextHandle();
    std::unique_ptr<AudioChannel> channel(
        new (std::nothrow) AudioChannel(handle, std::move(decoder), std::move(image), output.rate));
    if (!channel) {
        return Fail(kBassErrorMemory);
    }
    DeviceLock lock;
    output.channels.push_back(std::move(channel));
    Succeed();
    return handle;
}

}  // namespace

extern "C" {

int BASS_ErrorGetCode() {
    return lastError;
}

int BASS_Init(int device, uint32_t rate, uint32_t, void*, const void*) {
    if (output.device) {
        return Fail(kBassErrorAlreadyInitialised);
    }
    if (device != kBassDefaultDevice) {
        return Fail(kBassErrorNoDevice);
    }
    if (rate == 0 || rate > kMaxSampleRate) {
        return Fail(kBassErrorParameter);
    }
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return Fail(kBassErrorNoDevice);
    }
    SDL_AudioSpec wanted = {};
    wanted.freq = static_cast<int>(rate);
    wanted.format = AUDIO_F32SYS;
    wanted.channels = 2;
    wanted.samples = kDeviceFrames;
    wanted.callback = MixOutput;
    // No changes allowed: SDL converts to whatever the device really takes.
    SDL_AudioSpec obtained;
    output.rate = wanted.freq;
    output.device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (!output.device) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return Fail(kBassErrorNoDevice);
    }
    output.volume.store(1.0f);
    output.cpu.store(0.0f);
    output.paused = false;
    SDL_PauseAudioDevice(output.device, 0);
    return Succeed();
}

int BASS_Free() {
    if (!output.device) {
        return Fail(kBassErrorNotInitialised);
    }
    // Closing waits for the audio thread, so the channels can go after it.
    SDL_CloseAudioDevice(output.device);
    output.device = 0;
    output.channels.clear();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return Succeed();
}

float BASS_GetCPU() {
    return output.device ? output.cpu.load(std::memory_order_relaxed) : 0.0f;
}

int BASS_Start() {
    if (!output.device) {
        return Fail(kBassErrorNotInitialised);
    }
    SDL_PauseAudioDevice(output.device, 0);
    output.paused = false;
    return Succeed();
}

int BASS_Pause() {
    if (!output.device) {
        return Fail(kBassErrorNotInitialised);
    }
    SDL_PauseAudioDevice(output.device, 1);
    output.paused = true;
    return Succeed();
}

int BASS_SetVolume(float volume) {
    if (!output.device) {
        return Fail(kBassErrorNotInitialised);
    }
    if (!(volume >= 0.0f && volume <= 1.0f)) {
        return Fail(kBassErrorParameter);
    }
    output.volume.store(volume, std::memory_order_relaxed);
    return Succeed();
}

uint32_t BASS_MusicLoad(int mem, const void* file, uint64_t offset, uint64_t length, uint32_t flags,
                        uint32_t rate) {
    const int renderRate = rate ? static_cast<int>(rate) : output.rate;
    return CreateChannel(mem, file, offset, length, [&](const unsigned char* data, size_t size) {
        return ModuleDecoder::Open(data, size, renderRate, flags & kBassMusicRamp);
    });
}

uint32_t BASS_StreamCreateFile(int mem, const void* file, uint64_t offset, uint64_t length,
                               uint32_t) {
    return CreateChannel(mem, file, offset, length, [](const unsigned char* data, size_t size) {
        return StreamDecoder::Open(data, size, output.rate);
    });
}

int BASS_ChannelPlay(uint32_t handle, int restart) {
    AudioChannel* channel = ChannelOrFail(handle);
    if (!channel) {
        return 0;
    }
    DeviceLock lock;
    return channel->Play(restart != 0) ? Succeed() : Fail(kBassErrorFormat);
}

uint32_t BASS_ChannelIsActive(uint32_t handle) {
    const AudioChannel* channel = ChannelOrFail(handle);
    if (!channel || !channel->IsPlaying()) {
        return kBassStopped;
    }
    Succeed();
    return output.paused ? kBassPaused : kBassPlaying;
}

int BASS_ChannelSetAttributes(uint32_t handle, float volume, float pan) {
    AudioChannel* channel = ChannelOrFail(handle);
    if (!channel) {
        return 0;
    }
    DeviceLock lock;
    return channel->SetAttributes(volume, pan) ? Succeed() : Fail(kBassErrorParameter);
}

int BASS_ChannelGetAttributes(uint32_t handle, float* volume, float* pan) {
    const AudioChannel* channel = ChannelOrFail(handle);
    if (!channel) {
        return 0;
    }
    if (volume) {
        *volume = channel->Volume();
    }
    if (pan) {
        *pan = channel->Pan();
    }
    return Succeed();
}

uint64_t BASS_ChannelGetPosition(uint32_t handle) {
    const AudioChannel* channel = ChannelOrFail(handle);
    if (!channel) {
        return 0;
    }
    Succeed();
    return channel->PositionMs();
}

uint32_t BASS_ChannelGetLevel(uint32_t handle) {
    const AudioChannel* channel = ChannelOrFail(handle);
    if (!channel) {
        return 0;
    }
    Succeed();
    return channel->IsPlaying() && !output.paused ? channel->Level() : 0;
}

uint32_t BASS_ChannelSetSync(uint32_t handle, uint32_t type, uint64_t param, BassSyncProc proc,
                             void* user) {
    AudioChannel* channel = ChannelOrFail(handle);
    if (!channel) {
        return 0;
    }
    if (!proc || (type != kBassSyncEnd && type != kBassSyncPosition)) {
        return Fail(kBassErrorParameter);
    }
    const uint32_t sync = NextHandle();
    DeviceLock lock;
    channel->AddSync(sync, type, param, proc, user);
    Succeed();
    return sync;
}
}
