#include "sound/OfflineMusic.h"

#include <algorithm>

#include "base/Ticks.h"

namespace {

constexpr int kBlockFrames = 4096;

}  // namespace

long CountFrames(MusicDecoder& music) {
    std::vector<float> block(2 * kBlockFrames);
    long frames = 0;
    while (true) {
        const int decoded = music.Decode(block.data(), kBlockFrames);
        frames += decoded;
        if (decoded <= 0) {
            return frames;
        }
    }
}

MusicLength MeasureMusic(MusicDecoder& music, double enough) {
    MusicLength length;
    length.seconds = music.DeclaredSeconds();
    if (length.seconds >= 0) {
        return length;
    }
    std::vector<float> block(2 * kBlockFrames);
    const uint32_t started = GetTickCount();
    long frames = 0;
    for (;;) {
        const int decoded = music.Decode(block.data(), kBlockFrames);
        frames += std::max(decoded, 0);
        if (decoded < kBlockFrames) {
            break;
        }
        if (static_cast<double>(frames) / kMusicRate >= enough ||
            GetTickCount() - started >= kMeasureMilliseconds) {
            length.complete = false;
            break;
        }
    }
    length.seconds = static_cast<double>(frames) / kMusicRate;
    return length;
}

void SkipFrames(MusicDecoder& music, long count) {
    std::vector<float> skipped(2 * kBlockFrames);
    for (long left = count; left > 0;) {
        const int decoded =
            music.Decode(skipped.data(), static_cast<int>(std::min<long>(left, kBlockFrames)));
        if (decoded <= 0) {
            return;
        }
        left -= decoded;
    }
}

int DecodeBlock(MusicDecoder& music, float* stereo, int frames) {
    int done = 0;
    while (done < frames) {
        const int decoded = music.Decode(stereo + 2 * done, frames - done);
        if (decoded <= 0) {
            break;
        }
        done += decoded;
    }
    std::fill(stereo + 2 * done, stereo + 2 * frames, 0.0f);
    return done;
}

void DecodeSpan(MusicDecoder& music, long first, long count, std::vector<float>* stereo) {
    SkipFrames(music, first);
    stereo->assign(static_cast<size_t>(2 * count), 0.0f);
    for (long done = 0; done < count; done += kBlockFrames) {
        const int frames = static_cast<int>(std::min<long>(count - done, kBlockFrames));
        if (DecodeBlock(music, stereo->data() + 2 * done, frames) < frames) {
            return;
        }
    }
}
