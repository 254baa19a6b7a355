#include "sound/BassLibrary.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "SoundTestSupport.h"
#include "TestSupport.h"

using soundtest::ReadMusic;
using soundtest::WaitUntil;

namespace {

// The output open on SDL's dummy driver, which takes samples in real time.
class BassLibrary : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        ASSERT_EQ(BASS_Init(kBassDefaultDevice, 44100, 0, nullptr, nullptr), 1);
    }
    void TearDown() override { BASS_Free(); }

    // The image must outlive the channel.
    static uint32_t Stream(const std::vector<unsigned char>& image) {
        return BASS_StreamCreateFile(1, image.data(), 0, image.size(), 0);
    }
};

void CountCall(uint32_t, uint32_t, void* user) {
    ++*static_cast<std::atomic<int>*>(user);
}

// The loudest sample the disk driver has written so far (stereo floats).
float LoudestWritten(const std::string& path) {
    const std::vector<unsigned char> bytes = soundtest::ReadBytes(path);
    float loudest = 0.0f;
    for (size_t at = 0; at + sizeof(float) <= bytes.size(); at += sizeof(float)) {
        float sample;
        memcpy(&sample, &bytes[at], sizeof sample);
        loudest = std::max(loudest, std::fabs(sample));
    }
    return loudest;
}

}  // namespace

TEST(BassLibraryOutput, InitRefusesOtherDevicesASecondInitAndCallsBeforeIt) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    const std::vector<unsigned char> tone = ReadMusic("tone.ogg");
    EXPECT_EQ(BASS_StreamCreateFile(1, tone.data(), 0, tone.size(), 0), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), kBassErrorNotInitialised);
    EXPECT_EQ(BASS_Start(), 0);
    EXPECT_EQ(BASS_Free(), 0);
    EXPECT_EQ(BASS_Init(3, 44100, 0, nullptr, nullptr), 0);
    EXPECT_EQ(BASS_ErrorGetCode(), kBassErrorNoDevice);
    EXPECT_EQ(BASS_Init(kBassDefaultDevice, 0, 0, nullptr, nullptr), 0);
    EXPECT_EQ(BASS_ErrorGetCode(), kBassErrorParameter);
    ASSERT_EQ(BASS_Init(kBassDefaultDevice, 22050, 2, nullptr, nullptr), 1);
    EXPECT_EQ(BASS_Init(kBassDefaultDevice, 22050, 2, nullptr, nullptr), 0);
    EXPECT_EQ(BASS_ErrorGetCode(), kBassErrorAlreadyInitialised);
    EXPECT_EQ(BASS_Free(), 1);
    EXPECT_EQ(BASS_Init(kBassDefaultDevice, 11025, 0, nullptr, nullptr), 1);
    EXPECT_EQ(BASS_Free(), 1);
}

TEST_F(BassLibrary, EmptyOrMissingImagesAreRefused) {
    const unsigned char byte = 0;
    EXPECT_EQ(BASS_StreamCreateFile(1, &byte, 0, 0, 0), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), kBassErrorParameter);
    EXPECT_EQ(BASS_MusicLoad(1, nullptr, 0, 10, 0, 0), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), kBassErrorParameter);
    EXPECT_EQ(BASS_StreamCreateFile(0, "/no/such/file.ogg", 0, 0, 0), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), kBassErrorFileOpen);
    const std::string empty = test::TestDataPath("music/empty.ogg");
    EXPECT_EQ(BASS_MusicLoad(0, empty.c_str(), 0, 0, 0, 0), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), kBassErrorFormat);
}

// Each format plays to its end, and the played length is the written one
// whatever the file's rate and channel count.
TEST_F(BassLibrary, EveryStreamFormatPlaysFromMemoryToItsEnd) {
    struct Format {
        const char* name;
        int format;
        int rate;
        int channels;
    };
    const Format formats[] = {
        {"wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 22050, 1},
        {"aiff", SF_FORMAT_AIFF | SF_FORMAT_PCM_24, 44100, 2},
        {"flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 48000, 2},
        {"ogg", SF_FORMAT_OGG | SF_FORMAT_VORBIS, 32000, 2},
        {"opus", SF_FORMAT_OGG | SF_FORMAT_OPUS, 48000, 1},
        {"mp3", SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, 44100, 2},
    };
    test::TempDir dir;
    for (const Format& format : formats) {
        SCOPED_TRACE(format.name);
        const std::string path = dir / (std::string("tone.") + format.name);
        soundtest::WriteTone(path, format.format, format.rate, format.channels, 0.4);
        const std::vector<unsigned char> image = soundtest::ReadBytes(path);
        const uint32_t channel = Stream(image);
        ASSERT_NE(channel, 0u);
        ASSERT_EQ(BASS_ChannelPlay(channel, 1), 1);
        EXPECT_TRUE(WaitUntil([&] { return BASS_ChannelIsActive(channel) == kBassStopped; }));
        EXPECT_NEAR(static_cast<double>(BASS_ChannelGetPosition(channel)), 400.0, 60.0);
    }
}

TEST_F(BassLibrary, SyncsFireAndAnEndedChannelPlaysFromItsStartAgain) {
    test::TempDir dir;
    soundtest::WriteTone(dir / "short.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 44100, 2, 0.3);
    const std::vector<unsigned char> image = soundtest::ReadBytes(dir / "short.wav");
    const uint32_t channel = Stream(image);
    std::atomic<int> ends{0};
    std::atomic<int> marks{0};
    EXPECT_NE(BASS_ChannelSetSync(channel, kBassSyncEnd, 0, CountCall, &ends), 0u);
    EXPECT_NE(BASS_ChannelSetSync(channel, kBassSyncPosition, 100, CountCall, &marks), 0u);
    EXPECT_EQ(BASS_ChannelSetSync(channel, 99, 0, CountCall, &ends), 0u);
    EXPECT_EQ(BASS_ChannelIsActive(channel), kBassStopped);
    ASSERT_EQ(BASS_ChannelPlay(channel, 1), 1);
    EXPECT_TRUE(WaitUntil([&] { return ends == 1; }));
    EXPECT_EQ(marks, 1);
    EXPECT_TRUE(WaitUntil([&] { return BASS_ChannelIsActive(channel) == kBassStopped; }));
    EXPECT_EQ(BASS_ChannelGetPosition(channel), 300u);
    ASSERT_EQ(BASS_ChannelPlay(channel, 0), 1);
    EXPECT_TRUE(WaitUntil([&] { return ends == 2; }));
    EXPECT_EQ(marks, 2);
}

TEST_F(BassLibrary, AttributesAreCheckedAndTheLevelFollowsThePan) {
    const std::vector<unsigned char> tone = soundtest::LongTone();
    const uint32_t channel = Stream(tone);
    EXPECT_EQ(BASS_ChannelSetAttributes(channel, 2.0f, 0.0f), 0);
    EXPECT_EQ(BASS_ErrorGetCode(), kBassErrorParameter);
    EXPECT_EQ(BASS_ChannelGetAttributes(channel + 1000, nullptr, nullptr), 0);
    EXPECT_EQ(BASS_ErrorGetCode(), kBassErrorHandle);
    ASSERT_EQ(BASS_ChannelPlay(channel, 1), 1);
    EXPECT_TRUE(WaitUntil([&] {
        const uint32_t level = BASS_ChannelGetLevel(channel);
        return (level & 0xFFFF) > 8000 && (level >> 16) > 8000;
    }));
    ASSERT_EQ(BASS_ChannelSetAttributes(channel, 0.5f, -1.0f), 1);
    float volume = 0.0f;
    float pan = 0.0f;
    ASSERT_EQ(BASS_ChannelGetAttributes(channel, &volume, &pan), 1);
    EXPECT_EQ(volume, 0.5f);
    EXPECT_EQ(pan, -1.0f);
    EXPECT_TRUE(WaitUntil([&] {
        const uint32_t level = BASS_ChannelGetLevel(channel);
        return (level & 0xFFFF) > 4000 && (level >> 16) == 0;
    }));
    EXPECT_GE(BASS_GetCPU(), 0.0f);
}

// The disk driver writes what a device would play.
TEST(BassLibraryOutput, AudibleMusicReachesTheOutput) {
    test::TempDir dir;
    for (const char* name : {"tone.wav", "tone.ogg", "test.mod"}) {
        SCOPED_TRACE(name);
        const std::string output = dir / (std::string(name) + ".raw");
        setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
        setenv("SDL_AUDIODRIVER", "disk", 1);
        ASSERT_EQ(BASS_Init(kBassDefaultDevice, 44100, 0, nullptr, nullptr), 1);
        const std::vector<unsigned char> music = ReadMusic(name);
        uint32_t channel = BASS_StreamCreateFile(1, music.data(), 0, music.size(), 0);
        if (!channel) {
            channel = BASS_MusicLoad(1, music.data(), 0, music.size(), 0, 0);
        }
        ASSERT_EQ(BASS_ChannelPlay(channel, 1), 1);
        EXPECT_TRUE(WaitUntil([&] { return LoudestWritten(output) > 0.1f; }));
        EXPECT_EQ(BASS_Free(), 1);
    }
}
