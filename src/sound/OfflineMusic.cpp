#include "sound/OfflineMusic.h"

#include <algorithm>

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

void DecodeSpan(MusicDecoder& music, long first, long count, std::vector<float>* stereo) {
    std::vector<float> skipped(2 * kBlockFrames);
    for (long left = first; left > 0;) {
        const int decoded =
            music.Decode(skipped.data(), static_cast<int>(std::min<long>(left, kBlockFrames)));
        if (decoded <= 0) {
            break;
        }
        left -= decoded;
    }
    stereo->assign(static_cast<size_t>(2 * count), 0.0f);
    for (long done = 0; done < count;) {
        const int decoded =
            music.Decode(stereo->data() + 2 * done,
                         static_cast<int>(std::min<long>(count - done, kBlockFrames)));
        if (decoded <= 0) {
            break;
        }
        done += decoded;
    }
}
