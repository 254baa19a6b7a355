#include "sound/MusicOutput.h"

#include <algorithm>

namespace {

// About 12 ms at 44.1 kHz: the sound is heard within a frame of the picture. Fewer
// frames would let a loaded machine starve the device.
constexpr Uint16 kDeviceFrames = 512;
constexpr int kFrameBytes = 2 * sizeof(float);

}  // namespace

MusicOutput::~MusicOutput() {
    Close();
}

// The device may insist on its own rate: the music is then decoded at that rate,
// through the exact resampler, never through SDL's.
bool MusicOutput::Open(int wantedRate) {
    if (device) {
        return true;
    }
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return false;
    }
    SDL_AudioSpec wanted = {};
    wanted.freq = wantedRate;
    wanted.format = AUDIO_F32SYS;
    wanted.channels = 2;
    wanted.samples = kDeviceFrames;
    wanted.callback = Mix;
    wanted.userdata = this;
    SDL_AudioSpec obtained;
    device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
    if (!device) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    rate = obtained.freq;
    SDL_PauseAudioDevice(device, 0);
    return true;
}

// Closing waits for the audio thread, so the music can go after it.
void MusicOutput::Close() {
    if (!device) {
        return;
    }
    SDL_CloseAudioDevice(device);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    device = 0;
    rate = 0;
    music.reset();
}

// The music that played before is destroyed here, on the caller's thread.
void MusicOutput::Play(std::unique_ptr<MusicDecoder> next) {
    if (!device) {
        return;
    }
    SDL_LockAudioDevice(device);
    music.swap(next);
    playedFrames.store(0, std::memory_order_relaxed);
    SDL_UnlockAudioDevice(device);
}

bool MusicOutput::Pause() {
    if (device) {
        SDL_PauseAudioDevice(device, 1);
    }
    return device != 0;
}

bool MusicOutput::Resume() {
    if (device) {
        SDL_PauseAudioDevice(device, 0);
    }
    return device != 0;
}

void MusicOutput::SetVolume(float value) {
    volume.store(std::clamp(value, 0.0f, 1.0f), std::memory_order_relaxed);
}

int64_t MusicOutput::PositionMs() const {
    return rate ? playedFrames.load(std::memory_order_relaxed) * 1000 / rate : 0;
}

// Audio thread: decodes straight into the device's buffer and fills what the music
// no longer covers with silence. Nothing here allocates.
void MusicOutput::Mix(void* self, Uint8* stream, int length) {
    MusicOutput& output = *static_cast<MusicOutput*>(self);
    float* out = reinterpret_cast<float*>(stream);
    const int frames = length / kFrameBytes;
    const int decoded = output.music ? std::max(output.music->Decode(out, frames), 0) : 0;
    output.playedFrames.fetch_add(decoded, std::memory_order_relaxed);
    const float gain = output.volume.load(std::memory_order_relaxed);
    for (int i = 0; i < 2 * decoded; ++i) {
        out[i] *= gain;
    }
    std::fill(out + 2 * decoded, out + 2 * frames, 0.0f);
}
