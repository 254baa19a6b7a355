#include "sound/Sound.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstring>
#include <string>
#include <thread>

#include "SoundTestSupport.h"
#include "TestSupport.h"
#include "base/Con.h"
#include "io/Data.h"

using soundtest::AudioDriver;
using soundtest::ManualTicks;
using soundtest::NewBuffer;
using soundtest::ReadMusic;
using soundtest::WaitUntil;

namespace {

constexpr int kMusicFlags = kSoundMusic | kSoundRate44100;

// Music wanted, on SDL's dummy driver, which takes samples in real time.
class MusicSound : public ::testing::Test {
  protected:
    // Counted messages are this test's own, and leave nothing for the next one.
    void SetUp() override {
        Con.EnableBuffer(true);
        Con.ResetErrorCount();
    }
    void TearDown() override { Con.ResetErrorCount(); }

    static int Play(NSound& sound, const std::vector<unsigned char>& bytes) {
        return sound.PlayMemory(NewBuffer(bytes), static_cast<int>(bytes.size()));
    }

    // The device has played some of the music (a short piece may already have
    // ended on a slow machine).
    static bool Renders(const NSound& sound) {
        return WaitUntil([&] { return sound.Output().PositionMs() > 0; });
    }

    AudioDriver driver{"dummy"};
};

// The stereo float samples the disk driver has written so far, from `first` on.
std::vector<float> WrittenSamples(const std::string& path, size_t first = 0) {
    const std::string bytes = test::ReadFile(path);
    std::vector<float> samples;
    for (size_t at = first * sizeof(float); at + sizeof(float) <= bytes.size();
         at += sizeof(float)) {
        float sample;
        memcpy(&sample, bytes.data() + at, sizeof sample);
        samples.push_back(sample);
    }
    return samples;
}

float Loudest(const std::vector<float>& samples) {
    float loudest = 0.0f;
    for (float sample : samples) {
        loudest = std::max(loudest, std::fabs(sample));
    }
    return loudest;
}

}  // namespace

TEST(Sound, ClockOnlySoundCountsFromPlayAndNeverTouchesTheDevice) {
    ManualTicks ticks(0xFFFFFE00u);  // the tick counter wraps on the way
    Con.EnableBuffer(true);
    NSound sound;
    EXPECT_EQ(sound.Init(0), 0);
    ticks.Advance(300);
    EXPECT_EQ(sound.PlayMemory(nullptr, 0), 0);
    EXPECT_EQ(sound.SoundState(), NSound::kPlaying);
    ticks.Advance(1250);
    EXPECT_EQ(sound.Position(), 1250);
    EXPECT_EQ(sound.LastPosition(), 1250);
    sound.Pause();
    EXPECT_EQ(sound.SoundState(), NSound::kPaused);
    EXPECT_FALSE(sound.Output().IsOpen());
    EXPECT_STREQ(Con.BufferText(), "");
}

TEST(Sound, ClockThatNeverStartedStartsAtItsFirstReading) {
    ManualTicks ticks(700);
    NSound sound;
    sound.Init(0);
    EXPECT_EQ(sound.Position(), 0);
    ticks.Advance(40);
    EXPECT_EQ(sound.Position(), 40);
}

// The sanitizer build's leak checker sees a buffer that is not released.
TEST(Sound, FreeAndTheDestructorReleaseTheMusicData) {
    NSound freed;
    freed.Init(0);
    freed.PlayMemory(NewBuffer({1, 2, 3}), 3);
    EXPECT_EQ(freed.Free(), 0);
    EXPECT_EQ(freed.MusicData(), nullptr);
    NSound destroyed;
    destroyed.Init(0);
    destroyed.PlayMemory(NewBuffer({4, 5}), 2);
}

// One sound after the other, as two demos in one process: each opens the device,
// plays and closes it again.
TEST_F(MusicSound, StreamsAndModulesOfTheTestDataPlayOneAfterTheOther) {
    for (const char* name :
         {"tone.ogg", "tone.flac", "tone.wav", "test.mod", "test.s3m", "test.xm"}) {
        SCOPED_TRACE(name);
        NSound sound;
        ASSERT_EQ(sound.Init(kMusicFlags), 0);
        EXPECT_EQ(Play(sound, ReadMusic(name)), 0);
        EXPECT_EQ(sound.Output().Rate(), 44100);
        EXPECT_TRUE(Renders(sound));
        EXPECT_EQ(sound.Free(), 0);
        EXPECT_FALSE(sound.Output().IsOpen());
    }
    EXPECT_STREQ(Con.BufferText(), "");
}

// The clock is the wall clock from the moment playback succeeded, never the
// music's own position.
TEST_F(MusicSound, MusicClockStartsWhenPlaybackSucceeds) {
    ManualTicks ticks(1000);
    NSound sound;
    sound.Init(kMusicFlags);
    ticks.Advance(1000);
    ASSERT_EQ(Play(sound, ReadMusic("tone.ogg")), 0);
    ticks.Advance(500);
    EXPECT_EQ(sound.Position(), 500);
    EXPECT_EQ(sound.LastPosition(), 500);
}

// A truncated file may play what it can or fail; either way nothing overruns.
TEST_F(MusicSound, DataThatIsNoMusicFailsQuietlyAndLeavesTheWallClock) {
    ManualTicks ticks(0);
    NSound text;
    text.Init(kMusicFlags);
    EXPECT_EQ(Play(text, ReadMusic("notmusic.ogg")), 1);
    NSound none;
    none.Init(kMusicFlags);
    EXPECT_EQ(none.PlayMemory(nullptr, 0), 1);
    NSound empty;
    empty.Init(kMusicFlags);
    EXPECT_EQ(empty.PlayMemory(NewBuffer({}), 0), 1);
    NSound truncated;
    truncated.Init(kMusicFlags);
    Play(truncated, ReadMusic("truncated.ogg"));
    EXPECT_STREQ(Con.BufferText(), "");
    EXPECT_EQ(text.Position(), 0);
    ticks.Advance(250);
    EXPECT_EQ(text.Position(), 250);
}

// Without a device the music is not even decoded, so a damaged file says nothing;
// pausing and resuming music that is not playing are refused and counted.
TEST_F(MusicSound, WithoutAnAudioDevicePlayFailsAndTheWallClockRuns) {
    AudioDriver missing("no-such-driver");
    ManualTicks ticks(0);
    NSound sound;
    ASSERT_EQ(sound.Init(kMusicFlags), 0);
    const std::string wav = test::ReadFile(test::CorpusPath("stream/regression-4mhz.wav"));
    EXPECT_EQ(Play(sound, {wav.begin(), wav.end()}), 1);
    EXPECT_FALSE(sound.Output().IsOpen());
    EXPECT_STREQ(Con.BufferText(), "");
    sound.Position();
    ticks.Advance(1500);
    EXPECT_EQ(sound.Position(), 1500);
    sound.Pause();
    sound.Resume();
    EXPECT_STREQ(Con.BufferText(),
                 "[6][NSound]: unspecified error\r\n[6][NSound]: unspecified error\r\n");
    EXPECT_EQ(Con.ErrorCount(), 2);
}

// The demo's order: construct, Init, PlayMemory with the file loaded through
// DefaultInput, Position each frame, Free. A library file in the production is
// ignored.
TEST_F(MusicSound, DemoSequencePlaysMusicFromTheDataStore) {
    test::TempDir dir;
    const std::vector<unsigned char> music = ReadMusic("tone.ogg");
    test::WriteFile(dir / "Music/Tone.ogg", std::string(music.begin(), music.end()));
    test::WriteFile(dir / "bass.dll", "not a library");
    ASSERT_EQ(DefaultInput.Mount(kDirectoryMode, dir.Path().c_str()), 0);
    NSound sound;
    ASSERT_EQ(sound.Init(kMusicFlags), 0);
    unsigned char* buffer = nullptr;
    const int size = DefaultInput.Load("music\\tone.ogg", &buffer);
    ASSERT_EQ(size, static_cast<int>(music.size()));
    ASSERT_EQ(sound.PlayMemory(buffer, size), 0);
    EXPECT_TRUE(WaitUntil([&] { return sound.Output().PositionMs() > 100; }));
    EXPECT_TRUE(WaitUntil([&] { return sound.Position() > 100; }));
    EXPECT_EQ(sound.Free(), 0);
    EXPECT_FALSE(sound.Output().IsOpen());
    EXPECT_STREQ(Con.BufferText(), "");
    DefaultInput.Unmount();
}

// The first music is stopped before its data goes.
TEST_F(MusicSound, SecondPlayReplacesTheMusicSafely) {
    NSound sound;
    sound.Init(kMusicFlags);
    ASSERT_EQ(Play(sound, ReadMusic("tone.ogg")), 0);
    EXPECT_EQ(Play(sound, ReadMusic("test.mod")), 0);
    EXPECT_TRUE(Renders(sound));
}

// A paused device plays nothing, so the music's position stands still until it
// resumes; the clock is not the music's and runs on.
TEST_F(MusicSound, PauseHoldsTheMusicAndResumeGoesOn) {
    NSound sound;
    sound.Init(kMusicFlags);
    ASSERT_EQ(Play(sound, soundtest::LongTone()), 0);
    ASSERT_TRUE(Renders(sound));
    sound.Pause();
    EXPECT_EQ(sound.SoundState(), NSound::kPaused);
    const int64_t held = sound.Output().PositionMs();
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(sound.Output().PositionMs(), held);
    sound.Resume();
    EXPECT_EQ(sound.SoundState(), NSound::kPlaying);
    EXPECT_TRUE(WaitUntil([&] { return sound.Output().PositionMs() > held; }));
    EXPECT_STREQ(Con.BufferText(), "");
}

// The disk driver writes what a device would play: the music, and silence once the
// volume is down (after the buffer that may already have been mixed).
TEST_F(MusicSound, MusicReachesTheDeviceAndVolumeZeroSilencesIt) {
    test::TempDir dir;
    const std::string written = dir / "out.raw";
    AudioDriver disk("disk", written);
    NSound sound;
    sound.Init(kMusicFlags);
    ASSERT_EQ(Play(sound, soundtest::LongTone()), 0);
    EXPECT_TRUE(WaitUntil([&] { return Loudest(WrittenSamples(written)) > 0.4f; }));
    sound.SetVolume(0.0f);
    // What the file lacks of the mixed sound: a stdio buffer and a device buffer.
    const size_t mixedBefore = WrittenSamples(written).size() + 4 * 2 * 512;
    EXPECT_TRUE(WaitUntil([&] { return WrittenSamples(written).size() > mixedBefore + 4096; }));
    EXPECT_EQ(Loudest(WrittenSamples(written, mixedBefore)), 0.0f);
}
