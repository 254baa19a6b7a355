#include "sound/BassWrapper.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "SoundTestSupport.h"
#include "base/Con.h"
#include "sound/BassLibrary.h"
#include "sound/Sound.h"

namespace {

constexpr int kMusicFlags = 12;

// The built-in table with one entry left out or replaced.
class EditedTable {
  public:
    EditedTable() {
        const BassLibraryTable& builtIn = BuiltInBassLibrary();
        exports.assign(builtIn.exports, builtIn.exports + builtIn.count);
        table = {builtIn.fileName, exports.data(), static_cast<int>(exports.size())};
        BassWrapper::SetLibraryTable(&table);
    }
    ~EditedTable() { BassWrapper::SetLibraryTable(nullptr); }

    void Remove(const char* name) {
        std::erase_if(exports, [&](const BassExport& e) { return strcmp(e.name, name) == 0; });
        table.count = static_cast<int>(exports.size());
    }
    template <typename Function>
    void Replace(const char* name, Function* function) {
        for (BassExport& e : exports) {
            if (strcmp(e.name, name) == 0) {
                e.entry = reinterpret_cast<BassEntry>(function);
            }
        }
    }

  private:
    std::vector<BassExport> exports;
    BassLibraryTable table;
};

struct InitCall {
    int device;
    uint32_t rate;
    uint32_t flags;
    bool operator==(const InitCall&) const = default;
};
std::vector<InitCall> initCalls;

// Records the call and refuses it, as a machine without audio output would.
int RefusingInit(int device, uint32_t rate, uint32_t flags, void*, const void*) {
    initCalls.push_back({device, rate, flags});
    return 0;
}

int PlayTone(NSound& sound) {
    const std::vector<unsigned char> bytes = soundtest::LongTone();
    return sound.PlayMemory(soundtest::NewBuffer(bytes), static_cast<int>(bytes.size()));
}

}  // namespace

TEST(BassWrapper, UnconfiguredLibraryCannotBeFoundAndMusicFails) {
    Con.EnableBuffer(true);
    NSound sound;
    EXPECT_EQ(sound.Init(kMusicFlags), 0);
    EXPECT_STREQ(Con.BufferText(), "Can't find BASS.DLL\r\n");
    EXPECT_EQ(Con.ErrorCount(), 0);
    EXPECT_FALSE(BassWrapper::IsLoaded());
    EXPECT_EQ(PlayTone(sound), 1);
    EXPECT_EQ(sound.Free(), 0);
}

TEST(BassWrapper, LibraryNameIsMatchedIgnoringLetterCase) {
    BassWrapper::SetLibraryFile("BASS.DLL");
    BassWrapper wrapper;
    EXPECT_TRUE(BassWrapper::IsLoaded());
}

TEST(BassWrapper, OnlyTheFirstWrapperBindsAndLaterOnesDoNotRetry) {
    Con.EnableBuffer(true);
    BassWrapper::SetLibraryFile("other.dll");
    NSound first;
    first.Init(kMusicFlags);
    BassWrapper::SetLibraryFile("bass.dll");
    NSound second;
    second.Init(kMusicFlags);
    EXPECT_STREQ(Con.BufferText(), "Can't find BASS.DLL\r\n");
    EXPECT_EQ(BassWrapper::ConstructedCount(), 2);
    EXPECT_FALSE(BassWrapper::IsLoaded());
}

TEST(BassWrapper, TableLackingAnEntryPointCannotBeLoaded) {
    Con.EnableBuffer(true);
    BassWrapper::SetLibraryFile("bass.dll");
    EditedTable table;
    table.Remove("BASS_ChannelSetSync");
    NSound sound;
    sound.Init(kMusicFlags);
    EXPECT_STREQ(Con.BufferText(), "Can't load BASS.DLL\r\n");
    EXPECT_EQ(Con.ErrorCount(), 0);
    EXPECT_EQ(PlayTone(sound), 1);
    EXPECT_EQ(sound.Wrapper()->Channel(), 0);
}

TEST(BassWrapper, SoundFlagsChooseDeviceRateAndInitFlags) {
    BassWrapper::SetLibraryFile("bass.dll");
    EditedTable table;
    table.Replace("BASS_Init", RefusingInit);
    for (int flags : {12, 12 | 32, 9, 10, 11, 15}) {
        NSound sound;
        sound.Init(flags);
        EXPECT_EQ(PlayTone(sound), 1);
    }
    BassWrapper withoutMusicBit;
    withoutMusicBit.SetMusic(nullptr, nullptr, 0, 4);
    EXPECT_EQ(withoutMusicBit.Play(true), 1);
    const std::vector<InitCall> expected = {{-1, 44100, 2}, {-1, 44100, 0}, {-1, 11025, 2},
                                            {-1, 22050, 2}, {-1, 22050, 2}, {-1, 44100, 2},
                                            {-2, 44100, 2}};
    EXPECT_EQ(initCalls, expected);
}

TEST(BassWrapper, PauseAndResumeReachTheOutputAndRefusalsAreReported) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    BassWrapper::SetLibraryFile("bass.dll");
    Con.EnableBuffer(true);
    NSound sound;
    sound.Init(kMusicFlags);
    ASSERT_EQ(PlayTone(sound), 0);
    const uint32_t channel = sound.Wrapper()->Channel();
    sound.Pause();
    EXPECT_EQ(BASS_ChannelIsActive(channel), kBassPaused);
    sound.Resume();
    EXPECT_EQ(BASS_ChannelIsActive(channel), kBassPlaying);
    EXPECT_STREQ(Con.BufferText(), "");
    // The output goes away under the sound; the state changes all the same.
    ASSERT_EQ(BASS_Free(), 1);
    sound.Pause();
    EXPECT_EQ(sound.Wrapper()->SoundState(), NSoundBase::kPaused);
    sound.Resume();
    EXPECT_EQ(sound.Wrapper()->SoundState(), NSoundBase::kPlaying);
    EXPECT_STREQ(Con.BufferText(),
                 "[6][NSound]: unspecified error\r\n[6][NSound]: unspecified error\r\n");
    EXPECT_EQ(Con.ErrorCount(), 2);
}
