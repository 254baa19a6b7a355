// What the sound costs: the clock read once per frame, and decoding one device
// buffer on the audio thread (512 frames, 12 ms of music at 44.1 kHz).
#include <benchmark/benchmark.h>
#include <sndfile.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "sound/ModuleDecoder.h"
#include "sound/Sound.h"
#include "sound/StreamDecoder.h"

namespace {

constexpr int kBufferFrames = 512;

std::vector<unsigned char> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<unsigned char> ReadMusic(const char* name) {
    return ReadFile(std::string(NIMBUS_TESTDATA_DIR) + "/music/" + name);
}

// Ten seconds of a stereo 440 Hz sine at 48 kHz, the rate most music comes at today.
std::vector<unsigned char> Tone48k() {
    constexpr int kRate = 48000;
    char path[] = "/tmp/nimbus-bench-XXXXXX";
    SF_INFO info = {0, kRate, 2, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 0, 0};
    SNDFILE* file = sf_open_fd(mkstemp(path), SFM_WRITE, &info, SF_TRUE);
    std::vector<float> samples(2 * 10 * kRate);
    for (size_t i = 0; i < samples.size(); ++i) {
        samples[i] = static_cast<float>(0.5 * std::sin(2.0 * M_PI * 440.0 * (i / 2) / kRate));
    }
    sf_writef_float(file, samples.data(), 10 * kRate);
    sf_close(file);
    std::vector<unsigned char> image = ReadFile(path);
    unlink(path);
    return image;
}

void DecodeBuffers(benchmark::State& state, MusicDecoder* decoder) {
    if (!decoder) {
        state.SkipWithError("music not found");
        return;
    }
    std::vector<float> buffer(2 * kBufferFrames);
    int64_t frames = 0;
    for (auto _ : state) {
        const int decoded = decoder->Decode(buffer.data(), kBufferFrames);
        if (decoded < kBufferFrames) {
            decoder->Rewind();
        }
        frames += decoded;
        benchmark::DoNotOptimize(buffer.data());
    }
    state.SetItemsProcessed(frames);
}

void SoundPosition(benchmark::State& state) {
    NSound sound;
    sound.Init(0);
    sound.PlayMemory(nullptr, 0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(sound.Position());
    }
}

// 44.1 kHz stereo: the resampler passes it through.
void VorbisStreamBuffer(benchmark::State& state) {
    const std::vector<unsigned char> music = ReadMusic("tone.ogg");
    auto decoder = StreamDecoder::Open(music.data(), music.size(), 44100);
    DecodeBuffers(state, decoder.get());
}

// The file's 22.05 kHz mono is resampled to 44.1 kHz stereo.
void ResampledWavStreamBuffer(benchmark::State& state) {
    const std::vector<unsigned char> music = ReadMusic("tone.wav");
    auto decoder = StreamDecoder::Open(music.data(), music.size(), 44100);
    DecodeBuffers(state, decoder.get());
}

void Resampled48kWavStreamBuffer(benchmark::State& state) {
    const std::vector<unsigned char> music = Tone48k();
    auto decoder = StreamDecoder::Open(music.data(), music.size(), 44100);
    DecodeBuffers(state, decoder.get());
}

void TrackerModuleBuffer(benchmark::State& state) {
    const std::vector<unsigned char> music = ReadMusic("test.xm");
    auto decoder = ModuleDecoder::Open(music.data(), music.size(), 44100, true);
    DecodeBuffers(state, decoder.get());
}

}  // namespace

BENCHMARK(SoundPosition);
BENCHMARK(VorbisStreamBuffer);
BENCHMARK(ResampledWavStreamBuffer);
BENCHMARK(Resampled48kWavStreamBuffer);
BENCHMARK(TrackerModuleBuffer);
BENCHMARK_MAIN();
