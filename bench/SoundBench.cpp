// What the sound costs: the clock read once per frame, and decoding one device
// buffer on the audio thread (2048 frames, 46 ms of music at 44.1 kHz).
#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "sound/ModuleDecoder.h"
#include "sound/Sound.h"
#include "sound/StreamDecoder.h"

namespace {

constexpr int kBufferFrames = 2048;

std::vector<unsigned char> ReadMusic(const char* name) {
    const std::string source = __FILE__;
    const std::string root = source.substr(0, source.rfind("/bench/"));
    std::ifstream in(root + "/tests/data/music/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
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

void TrackerModuleBuffer(benchmark::State& state) {
    const std::vector<unsigned char> music = ReadMusic("test.xm");
    auto decoder = ModuleDecoder::Open(music.data(), music.size(), 44100, true);
    DecodeBuffers(state, decoder.get());
}

}  // namespace

BENCHMARK(SoundPosition);
BENCHMARK(VorbisStreamBuffer);
BENCHMARK(ResampledWavStreamBuffer);
BENCHMARK(TrackerModuleBuffer);
BENCHMARK_MAIN();
