// Helpers of the sound tests: music files, audio drivers, a hand-driven clock and
// bounded waiting.
#pragma once

#include <sndfile.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace soundtest {

std::vector<unsigned char> ReadBytes(const std::string& path);
// A file of the shared music test data.
std::vector<unsigned char> ReadMusic(const std::string& name);
// A copy in a new[] buffer, as DefaultInput.Load hands music to the sound.
unsigned char* NewBuffer(const std::vector<unsigned char>& bytes);

// Writes `seconds` of a 440 Hz sine at half scale through libsndfile.
void WriteTone(const std::string& path, int format, int rate, int channels, double seconds);

// A WAV image of a tone that plays for minutes, for tests that need the music
// still playing after they waited.
std::vector<unsigned char> LongTone();

// Chooses SDL's audio driver for the next initialisation.
void UseAudioDriver(const char* driver);

// Polls `condition` until it holds or a generous bound (about a minute) passes;
// never a measure of speed.
bool WaitUntil(const std::function<bool()>& condition);

// Replaces the sound clock's tick source for the life of the object.
class ManualTicks {
  public:
    explicit ManualTicks(uint32_t start);
    ~ManualTicks();
    ManualTicks(const ManualTicks&) = delete;
    ManualTicks& operator=(const ManualTicks&) = delete;
    void Set(uint32_t ticks);
    void Advance(uint32_t milliseconds);
};

}  // namespace soundtest
