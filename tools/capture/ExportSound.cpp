#include "capture/ExportSound.h"

#include <sndfile.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "app/Demo.h"
#include "base/Con.h"
#include "reflect/String.h"
#include "sound/OfflineMusic.h"

namespace {

constexpr int kBlockFrames = 4096;

// The demo's music, loaded as the player loads it; null, with a warning, when the
// demo has music that cannot be read, and silently when it has none.
class ExportMusic {
  public:
    explicit ExportMusic(const NDemo& demo) {
        if (!demo.SoundFile || demo.SoundFile->IsEmpty()) {
            return;
        }
        int size = 0;
        image.reset(demo.LoadMusic(&size));
        if (!image) {
            Con.Warning("nimbus-capture: the music can't be loaded; the export is silent");
            return;
        }
        decoder =
            OpenMusic(image.get(), static_cast<size_t>(size), kMusicRate, demo.SoundFile->Get());
        if (!decoder) {
            Con.Warning("nimbus-capture: the music can't be decoded; the export is silent");
        }
    }

    // Fills `frames` stereo frames, silence where there is no more music.
    void Decode(float* stereo, int frames) {
        if (decoder) {
            DecodeBlock(*decoder, stereo, frames);
        } else {
            std::fill(stereo, stereo + 2 * frames, 0.0f);
        }
    }
    void Skip(long frames) {
        if (decoder) {
            SkipFrames(*decoder, frames);
        }
    }

  private:
    std::unique_ptr<unsigned char[]> image;
    std::unique_ptr<MusicDecoder> decoder;
};

// The bytes of sound a plain WAV file can address.
constexpr long long kLargestWavData = 0xFFFFFFFFll - 44;

// Plain WAV for `frames` 16-bit stereo frames, or RF64 where that would not fit.
SNDFILE* OpenWav(const std::string& path, long frames) {
    SF_INFO info = {};
    info.samplerate = kMusicRate;
    info.channels = 2;
    const bool fits = static_cast<long long>(frames) * 4 <= kLargestWavData;
    info.format = (fits ? SF_FORMAT_WAV : SF_FORMAT_RF64) | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (file) {
        // Samples beyond full scale are clipped, not wrapped around.
        sf_command(file, SFC_SET_CLIPPING, nullptr, SF_TRUE);
    }
    return file;
}

}  // namespace

long SampleOfFrame(long frame, int fps) {
    return static_cast<long>(static_cast<long long>(frame) * kMusicRate / fps);
}

bool WriteExportSound(const NDemo& demo, long first, long end, int fps, const std::string& path) {
    const long firstSample = SampleOfFrame(first, fps);
    const long count = SampleOfFrame(end, fps) - firstSample;
    ExportMusic music(demo);
    SNDFILE* file = OpenWav(path, count);
    if (!file) {
        return false;
    }
    music.Skip(firstSample);
    std::vector<float> block(2 * kBlockFrames);
    bool written = true;
    for (long done = 0; done < count && written; done += kBlockFrames) {
        const int frames = static_cast<int>(std::min<long>(count - done, kBlockFrames));
        music.Decode(block.data(), frames);
        written = sf_writef_float(file, block.data(), frames) == frames;
    }
    return sf_close(file) == 0 && written;
}
