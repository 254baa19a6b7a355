#include "capture/ExportSound.h"

#include <sndfile.h>

#include <memory>

#include "app/Demo.h"
#include "base/Con.h"
#include "io/Data.h"
#include "reflect/String.h"
#include "sound/OfflineMusic.h"

namespace {

// The music file's image; null, with nothing logged, when there is none.
std::unique_ptr<unsigned char[]> LoadMusicImage(const NDemo& demo, int* size) {
    if (!demo.SoundFile || demo.SoundFile->IsEmpty()) {
        return nullptr;
    }
    unsigned char* data = nullptr;
    *size = DefaultInput.Load(demo.SoundFile->Get(), &data);
    std::unique_ptr<unsigned char[]> image(data);
    return *size > 0 ? std::move(image) : nullptr;
}

}  // namespace

long SampleOfFrame(long frame, int fps) {
    return static_cast<long>(static_cast<long long>(frame) * kMusicRate / fps);
}

std::vector<float> ExportMusic(const NDemo& demo, long first, long end, int fps) {
    const long firstSample = SampleOfFrame(first, fps);
    const long count = SampleOfFrame(end, fps) - firstSample;
    std::vector<float> stereo(static_cast<size_t>(2 * count), 0.0f);
    int size = 0;
    const std::unique_ptr<unsigned char[]> image = LoadMusicImage(demo, &size);
    if (!image) {
        if (demo.SoundFile && !demo.SoundFile->IsEmpty()) {
            Con.Warning("nimbus-capture: the music can't be loaded; the export is silent");
        }
        return stereo;
    }
    const std::unique_ptr<MusicDecoder> music = OpenMusic(image.get(), static_cast<size_t>(size));
    if (!music) {
        Con.Warning("nimbus-capture: the music can't be decoded; the export is silent");
        return stereo;
    }
    DecodeSpan(*music, firstSample, count, &stereo);
    return stereo;
}

bool WriteWav(const std::string& path, const std::vector<float>& stereo) {
    SF_INFO info = {};
    info.samplerate = kMusicRate;
    info.channels = 2;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file) {
        return false;
    }
    // Samples beyond full scale are clipped, not wrapped around.
    sf_command(file, SFC_SET_CLIPPING, nullptr, SF_TRUE);
    const sf_count_t frames = static_cast<sf_count_t>(stereo.size() / 2);
    const bool written = sf_writef_float(file, stereo.data(), frames) == frames;
    return sf_close(file) == 0 && written;
}
