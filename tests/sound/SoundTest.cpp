#include "sound/Sound.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "SoundTestSupport.h"
#include "TestSupport.h"
#include "base/Con.h"
#include "io/Data.h"
#include "sound/BassLibrary.h"

using soundtest::ManualTicks;
using soundtest::NewBuffer;
using soundtest::ReadMusic;
using soundtest::WaitUntil;

namespace {

constexpr int kMusicFlags = 12;

// Music wanted, the library configured as the demo configures it.
class MusicSound : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        BassWrapper::SetLibraryFile("bass.dll");
        Con.EnableBuffer(true);
    }

    static int Play(NSound& sound, const std::vector<unsigned char>& bytes) {
        return sound.PlayMemory(NewBuffer(bytes), static_cast<int>(bytes.size()));
    }

    // The library has rendered some of the music (a short piece may already have
    // ended on a slow machine).
    static bool Renders(const NSound& sound) {
        const uint32_t channel = sound.Wrapper()->Channel();
        return channel && WaitUntil([&] { return BASS_ChannelGetPosition(channel) > 0; });
    }
};

}  // namespace

TEST(Sound, ClockOnlySoundCountsFromPlayWithoutTheLibrary) {
    ManualTicks ticks(0xFFFFFE00u);  // the tick counter wraps on the way
    Con.EnableBuffer(true);
    NSound sound;
    EXPECT_EQ(sound.Init(0), 0);
    ticks.Advance(300);
    EXPECT_EQ(sound.PlayMemory(nullptr, 0), 0);
    EXPECT_EQ(sound.SoundState(), NSoundBase::kPlaying);
    ticks.Advance(1250);
    EXPECT_EQ(sound.Position(), 1250);
    EXPECT_EQ(sound.LastPosition(), 1250);
    EXPECT_EQ(BassWrapper::ConstructedCount(), 0);
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

// One sound after the other, as two demos in one process: the library is bound
// once and starts again after each Free.
TEST_F(MusicSound, StreamsAndModulesOfTheTestDataPlayOneAfterTheOther) {
    for (const char* name :
         {"tone.ogg", "tone.flac", "tone.wav", "test.mod", "test.s3m", "test.xm"}) {
        SCOPED_TRACE(name);
        NSound sound;
        ASSERT_EQ(sound.Init(kMusicFlags), 0);
        EXPECT_EQ(Play(sound, ReadMusic(name)), 0);
        EXPECT_TRUE(Renders(sound));
        EXPECT_EQ(sound.Free(), 0);
    }
    EXPECT_EQ(BassWrapper::ConstructedCount(), 6);
    EXPECT_STREQ(Con.BufferText(), "");
}

TEST_F(MusicSound, MusicClockStartsWhenPlaybackSucceeds) {
    ManualTicks ticks(1000);
    NSound sound;
    sound.Init(kMusicFlags);
    ticks.Advance(1000);
    ASSERT_EQ(Play(sound, ReadMusic("tone.ogg")), 0);
    ticks.Advance(500);
    EXPECT_EQ(sound.Position(), 500);
    EXPECT_EQ(sound.Wrapper()->LastPosition(), 500);
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

TEST_F(MusicSound, WithoutAnAudioDevicePlayFailsAndTheWallClockRuns) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    ManualTicks ticks(0);
    NSound sound;
    ASSERT_EQ(sound.Init(kMusicFlags), 0);
    EXPECT_EQ(Play(sound, ReadMusic("tone.ogg")), 1);
    EXPECT_EQ(sound.Wrapper()->Channel(), 0);
    EXPECT_STREQ(Con.BufferText(), "");
    sound.Position();
    ticks.Advance(1500);
    EXPECT_EQ(sound.Position(), 1500);
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
    const uint32_t channel = sound.Wrapper()->Channel();
    EXPECT_TRUE(WaitUntil([&] { return BASS_ChannelGetPosition(channel) > 100; }));
    EXPECT_TRUE(WaitUntil([&] { return sound.Position() > 100; }));
    EXPECT_EQ(sound.Free(), 0);
    EXPECT_EQ(BASS_ChannelIsActive(channel), kBassStopped);
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

TEST_F(MusicSound, PlayFilePlaysANamedFile) {
    const std::string path = test::TestDataPath("music/tone.flac");
    NSound sound;
    sound.Init(kMusicFlags);
    EXPECT_EQ(sound.PlayFile(path.c_str(), 0), 0);
    EXPECT_TRUE(Renders(sound));
}

TEST_F(MusicSound, VolumeZeroSilencesTheMusic) {
    NSound sound;
    sound.Init(kMusicFlags);
    ASSERT_EQ(Play(sound, soundtest::LongTone()), 0);
    const uint32_t channel = sound.Wrapper()->Channel();
    EXPECT_TRUE(WaitUntil([&] { return BASS_ChannelGetLevel(channel) > 0; }));
    sound.SetVolume(0.0f);
    EXPECT_TRUE(WaitUntil([&] { return BASS_ChannelGetLevel(channel) == 0; }));
    EXPECT_EQ(BASS_ChannelIsActive(channel), kBassPlaying);
}
