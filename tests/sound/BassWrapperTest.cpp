#include "sound/BassWrapper.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "SoundTestSupport.h"
#include "app/Con.h"
#include "sound/BassLibrary.h"
#include "sound/Sound.h"

using soundtest::NewBuffer;

namespace {

constexpr int kMusicFlags = 12;

// The built-in table with one entry left out or replaced.
class EditedTable {
  public:
    explicit EditedTable(const char* fileName = "bass.dll") {
        const BassLibraryTable& builtIn = BuiltInBassLibrary();
        exports.assign(builtIn.exports, builtIn.exports + builtIn.count);
        table = {fileName, exports.data(), static_cast<int>(exports.size())};
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
};
std::vector<InitCall> initCalls;

// Records the call and refuses it, as a machine without audio output would.
int RefusingInit(int device, uint32_t rate, uint32_t flags, void*, const void*) {
    initCalls.push_back({device, rate, flags});
    return 0;
}

int PlayTone(NSound& sound) {
    const std::vector<unsigned char> bytes = soundtest::LongTone();
    return sound.PlayMemory(NewBuffer(bytes), static_cast<int>(bytes.size()));
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

TEST(BassWrapper, LibraryOfAnotherNameCannotBeFound) {
    Con.EnableBuffer(true);
    BassWrapper::SetLibraryFile("other.dll");
    { BassWrapper first; }
    EXPECT_STREQ(Con.BufferText(), "Can't find BASS.DLL\r\n");
    EXPECT_FALSE(BassWrapper::IsLoaded());
}

TEST(BassWrapper, UpperCaseLibraryNameBindsTheBuiltInLibrary) {
    BassWrapper::SetLibraryFile("BASS.DLL");
    BassWrapper wrapper;
    EXPECT_TRUE(BassWrapper::IsLoaded());
}

TEST(BassWrapper, OnlyTheFirstWrapperBindsAndLaterOnesDoNotRetry) {
    Con.EnableBuffer(true);
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
    BassWrapper wrapper;
    EXPECT_EQ(wrapper.Free(), 1);
}

TEST(BassWrapper, SoundFlagsChooseDeviceRateAndInitFlags) {
    BassWrapper::SetLibraryFile("bass.dll");
    EditedTable table;
    table.Replace("BASS_Init", RefusingInit);
    for (int flags : {12, 12 | 32, 9, 10, 11, 15}) {
        NSound sound;
        sound.Init(flags);
        EXPECT_EQ(PlayTone(sound), 1);
        EXPECT_EQ(sound.Wrapper()->Channel(), 0);
    }
    BassWrapper withoutMusicBit;
    withoutMusicBit.SetMusic(nullptr, nullptr, 0, 4);
    EXPECT_EQ(withoutMusicBit.Play(true), 1);
    ASSERT_EQ(initCalls.size(), 7u);
    const InitCall expected[] = {{-1, 44100, 2}, {-1, 44100, 0}, {-1, 11025, 2}, {-1, 22050, 2},
                                 {-1, 22050, 2}, {-1, 44100, 2}, {-2, 44100, 2}};
    for (size_t i = 0; i < initCalls.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(initCalls[i].device, expected[i].device);
        EXPECT_EQ(initCalls[i].rate, expected[i].rate);
        EXPECT_EQ(initCalls[i].flags, expected[i].flags);
    }
}

TEST(BassWrapper, PauseAndResumeReachTheOutput) {
    soundtest::UseAudioDriver("dummy");
    BassWrapper::SetLibraryFile("bass.dll");
    Con.EnableBuffer(true);
    NSound sound;
    sound.Init(kMusicFlags);
    ASSERT_EQ(PlayTone(sound), 0);
    const uint32_t channel = sound.Wrapper()->Channel();
    sound.Pause();
    EXPECT_EQ(sound.Wrapper()->SoundState(), NSoundBase::kPaused);
    EXPECT_EQ(BASS_ChannelIsActive(channel), kBassPaused);
    sound.Resume();
    EXPECT_EQ(sound.Wrapper()->SoundState(), NSoundBase::kPlaying);
    EXPECT_STREQ(Con.BufferText(), "");
}

TEST(BassWrapper, RefusedPauseAndResumeAreReportedAfterTheStateChanged) {
    soundtest::UseAudioDriver("dummy");
    BassWrapper::SetLibraryFile("bass.dll");
    Con.EnableBuffer(true);
    NSound sound;
    sound.Init(kMusicFlags);
    ASSERT_EQ(PlayTone(sound), 0);
    // The output goes away under the sound.
    ASSERT_EQ(BASS_Free(), 1);
    sound.Pause();
    EXPECT_EQ(sound.Wrapper()->SoundState(), NSoundBase::kPaused);
    sound.Resume();
    EXPECT_EQ(sound.Wrapper()->SoundState(), NSoundBase::kPlaying);
    EXPECT_STREQ(Con.BufferText(),
                 "[6][NSound]: unspecified error\r\n[6][NSound]: unspecified error\r\n");
    EXPECT_EQ(Con.ErrorCount(), 2);
}
