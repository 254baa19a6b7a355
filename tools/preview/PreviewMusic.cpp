#include "preview/PreviewMusic.h"

#include <algorithm>
#include <cmath>

#include "sound/MusicDecoder.h"

namespace {

constexpr int kBlockFrames = 4096;

// Decoded music played from any frame on.
class DecodedMusic : public MusicDecoder {
  public:
    DecodedMusic(std::shared_ptr<const std::vector<int16_t>> samples, size_t frame)
        : samples(std::move(samples)), position(2 * frame) {}

    int Decode(float* stereo, int frames) override {
        const size_t left = position < samples->size() ? samples->size() - position : 0;
        const size_t count = std::min(left, 2 * static_cast<size_t>(std::max(frames, 0)));
        for (size_t i = 0; i < count; ++i) {
            stereo[i] = (*samples)[position + i] * (1.0f / 32767.0f);
        }
        position += count;
        return static_cast<int>(count / 2);
    }
    bool Rewind() override {
        position = 0;
        return true;
    }

  private:
    std::shared_ptr<const std::vector<int16_t>> samples;
    size_t position;
};

int16_t ToSample(float value) {
    return static_cast<int16_t>(std::lround(std::clamp(value, -1.0f, 1.0f) * 32767.0f));
}

}  // namespace

bool PreviewMusic::Open() {
    if (!output.Open(kMusicRate)) {
        return false;
    }
    rate = output.Rate();
    return true;
}

bool PreviewMusic::Load(const unsigned char* data, int size) {
    if (!data || size <= 0) {
        image.clear();
        samples.reset();
        return true;
    }
    if (samples && image.size() == static_cast<size_t>(size) &&
        std::equal(image.begin(), image.end(), data)) {
        return true;
    }
    image.assign(data, data + size);
    samples.reset();
    std::unique_ptr<MusicDecoder> decoder = OpenMusic(image.data(), image.size(), rate);
    if (!decoder) {
        return false;
    }
    auto decoded = std::make_shared<std::vector<int16_t>>();
    const size_t most = 2 * static_cast<size_t>(kLongestSeconds) * rate;
    std::vector<float> block(2 * kBlockFrames);
    while (decoded->size() < most) {
        const int frames = decoder->Decode(block.data(), kBlockFrames);
        if (frames <= 0) {
            break;
        }
        for (int i = 0; i < 2 * frames && decoded->size() < most; ++i) {
            decoded->push_back(ToSample(block[i]));
        }
    }
    samples = std::move(decoded);
    return true;
}

void PreviewMusic::PlayFrom(long milliseconds) {
    if (!output.IsOpen()) {
        return;
    }
    const size_t frame = static_cast<size_t>(std::max(0L, milliseconds)) * rate / 1000;
    output.Play(samples ? std::make_unique<DecodedMusic>(samples, frame) : nullptr);
    output.Resume();
}

void PreviewMusic::Pause() {
    output.Pause();
}
