#include "sound/AudioChannel.h"

#include <algorithm>
#include <cmath>

namespace {

// Frames decoded at a time; the block is sized once, so mixing never allocates.
constexpr int kBlockFrames = 1024;
constexpr float kLevelScale = 32767.0f;

uint32_t LevelOf(float peak) {
    return static_cast<uint32_t>(std::lround(std::min(peak, 1.0f) * kLevelScale));
}

}  // namespace

AudioChannel::AudioChannel(uint32_t handle, std::unique_ptr<MusicDecoder> decoder,
                           std::vector<unsigned char> image, int rate)
    : handle(handle),
      decoder(std::move(decoder)),
      image(std::move(image)),
      rate(rate),
      block(2 * kBlockFrames) {}

bool AudioChannel::Play(bool restart) {
    if (restart || ended.load(std::memory_order_acquire)) {
        if (!decoder->Rewind()) {
            return false;
        }
        playedFrames.store(0, std::memory_order_relaxed);
        ended.store(false, std::memory_order_relaxed);
    }
    playing.store(true, std::memory_order_release);
    return true;
}

bool AudioChannel::SetAttributes(float newVolume, float newPan) {
    if (!(newVolume >= 0.0f && newVolume <= 1.0f) || !(newPan >= -1.0f && newPan <= 1.0f)) {
        return false;
    }
    volume = newVolume;
    pan = newPan;
    return true;
}

void AudioChannel::AddSync(uint32_t sync, uint32_t type, uint64_t milliseconds, BassSyncProc proc,
                           void* user) {
    syncs.push_back({sync, type, milliseconds * rate / 1000, proc, user});
}

uint64_t AudioChannel::PositionMs() const {
    return playedFrames.load(std::memory_order_relaxed) * 1000 / rate;
}

void AudioChannel::MixInto(float* out, int frames, float masterVolume) {
    if (!playing.load(std::memory_order_acquire)) {
        level.store(0, std::memory_order_relaxed);
        return;
    }
    // Balance: the side the music is panned away from is turned down.
    const float left = volume * masterVolume * std::min(1.0f, 1.0f - pan);
    const float right = volume * masterVolume * std::min(1.0f, 1.0f + pan);
    float peakLeft = 0.0f;
    float peakRight = 0.0f;
    for (int done = 0; done < frames;) {
        const int wanted = std::min(frames - done, kBlockFrames);
        const int got = decoder->Decode(block.data(), wanted);
        float* target = out + 2 * done;
        for (int i = 0; i < got; ++i) {
            const float l = block[2 * i] * left;
            const float r = block[2 * i + 1] * right;
            target[2 * i] += l;
            target[2 * i + 1] += r;
            peakLeft = std::max(peakLeft, std::fabs(l));
            peakRight = std::max(peakRight, std::fabs(r));
        }
        const uint64_t before = playedFrames.load(std::memory_order_relaxed);
        playedFrames.store(before + got, std::memory_order_relaxed);
        done += got;
        const bool finished = got < wanted;
        if (finished) {
            ended.store(true, std::memory_order_relaxed);
            playing.store(false, std::memory_order_release);
        }
        RunSyncs(before, before + got, finished);
        if (finished) {
            break;
        }
    }
    level.store(LevelOf(peakLeft) | LevelOf(peakRight) << 16, std::memory_order_relaxed);
}

void AudioChannel::RunSyncs(uint64_t before, uint64_t after, bool finished) {
    for (const Sync& sync : syncs) {
        const bool reached =
            sync.type == kBassSyncPosition && sync.frame >= before && sync.frame < after;
        if (reached || (finished && sync.type == kBassSyncEnd)) {
            sync.proc(sync.handle, handle, sync.user);
        }
    }
}
