// Helpers of the sound tests: music images, a hand-driven clock, bounded waiting,
// the audio driver chosen for one test.
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
// A WAV image that plays for minutes, for tests that need the music still playing.
std::vector<unsigned char> LongTone();

// Polls until `condition` holds or about a minute passes; never a measure of speed.
bool WaitUntil(const std::function<bool()>& condition);

// Drives the sound clock by hand for the life of the object.
class ManualTicks {
  public:
    explicit ManualTicks(uint32_t start);
    ~ManualTicks();
    void Advance(uint32_t milliseconds);
};

// SDL's audio driver for the life of the object ("dummy", "disk" writing to
// `diskFile`, or a name that does not exist); then the dummy driver again, so the
// tests that follow in the same process find it.
class AudioDriver {
  public:
    explicit AudioDriver(const char* driver, const std::string& diskFile = "");
    ~AudioDriver();
    AudioDriver(const AudioDriver&) = delete;
    AudioDriver& operator=(const AudioDriver&) = delete;
};

}  // namespace soundtest
