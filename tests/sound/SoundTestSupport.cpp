#include "SoundTestSupport.h"

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <thread>

#include "TestSupport.h"
#include "sound/SoundTicks.h"

namespace soundtest {

namespace {

uint32_t manualTicks = 0;

uint32_t ReadManualTicks() {
    return manualTicks;
}

}  // namespace

std::vector<unsigned char> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<unsigned char> ReadMusic(const std::string& name) {
    return ReadBytes(test::TestDataPath("music/" + name));
}

unsigned char* NewBuffer(const std::vector<unsigned char>& bytes) {
    unsigned char* buffer = new unsigned char[bytes.size() + 1];
    std::copy(bytes.begin(), bytes.end(), buffer);
    return buffer;
}

void WriteTone(const std::string& path, int format, int rate, int channels, double seconds) {
    SF_INFO info = {};
    info.samplerate = rate;
    info.channels = channels;
    info.format = format;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file) {
        throw std::runtime_error(sf_strerror(nullptr));
    }
    const int frames = static_cast<int>(seconds * rate);
    std::vector<float> samples(static_cast<size_t>(frames) * channels);
    for (int i = 0; i < frames; ++i) {
        for (int c = 0; c < channels; ++c) {
            samples[static_cast<size_t>(i) * channels + c] =
                0.5f * static_cast<float>(std::sin(2.0 * M_PI * 440.0 * i / rate));
        }
    }
    sf_writef_float(file, samples.data(), frames);
    sf_close(file);
}

std::vector<unsigned char> LongTone() {
    test::TempDir dir;
    WriteTone(dir / "long.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 8000, 1, 300.0);
    return ReadBytes(dir / "long.wav");
}

void UseAudioDriver(const char* driver) {
    setenv("SDL_AUDIODRIVER", driver, 1);
}

bool WaitUntil(const std::function<bool()>& condition) {
    for (int i = 0; i < 12000; ++i) {
        if (condition()) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return condition();
}

ManualTicks::ManualTicks(uint32_t start) {
    manualTicks = start;
    SetSoundTickSource(ReadManualTicks);
}

ManualTicks::~ManualTicks() {
    SetSoundTickSource(nullptr);
}

void ManualTicks::Set(uint32_t ticks) {
    manualTicks = ticks;
}

void ManualTicks::Advance(uint32_t milliseconds) {
    manualTicks += milliseconds;
}

}  // namespace soundtest
