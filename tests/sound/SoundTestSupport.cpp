#include "SoundTestSupport.h"

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <thread>

#include "TestSupport.h"
#include "base/Ticks.h"

namespace soundtest {

namespace {

uint32_t manualTicks = 0;

uint32_t ReadManualTicks() {
    return manualTicks;
}

}  // namespace

std::vector<unsigned char> ReadBytes(const std::string& path) {
    const std::string bytes = test::ReadFile(path);
    return {bytes.begin(), bytes.end()};
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
    SF_INFO info = {0, rate, channels, format, 0, 0};
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file) {
        throw std::runtime_error(sf_strerror(nullptr));
    }
    const int frames = static_cast<int>(seconds * rate);
    std::vector<float> samples;
    for (int i = 0; i < frames; ++i) {
        samples.insert(samples.end(), channels,
                       static_cast<float>(0.5 * std::sin(2.0 * M_PI * 440.0 * i / rate)));
    }
    sf_writef_float(file, samples.data(), frames);
    sf_close(file);
}

std::vector<unsigned char> LongTone() {
    test::TempDir dir;
    WriteTone(dir / "long.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 8000, 1, 300.0);
    return ReadBytes(dir / "long.wav");
}

bool WaitUntil(const std::function<bool()>& condition) {
    for (int i = 0; i < 12000 && !condition(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return condition();
}

ManualTicks::ManualTicks(uint32_t start) {
    manualTicks = start;
    SetTickSource(ReadManualTicks);
}

ManualTicks::~ManualTicks() {
    SetTickSource(nullptr);
}

void ManualTicks::Advance(uint32_t milliseconds) {
    manualTicks += milliseconds;
}

AudioDriver::AudioDriver(const char* driver, const std::string& diskFile) {
    setenv("SDL_AUDIODRIVER", driver, 1);
    setenv("SDL_DISKAUDIOFILE", diskFile.c_str(), 1);
}

AudioDriver::~AudioDriver() {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    unsetenv("SDL_DISKAUDIOFILE");
}

}  // namespace soundtest
