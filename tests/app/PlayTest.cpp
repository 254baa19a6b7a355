// The real player end to end, on productions the tests write, each on an X server
// of its own.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "PlayHarness.h"
#include "makedemo/DemoMedia.h"
#include "pack/Pack.h"

using playtest::Occurrences;
using playtest::Production;

namespace {

// A bare scene: the parts need one, and a flat view to draw with.
const char kScenes[] =
    "<OrthoView Name=\"Flat\"/>\n"
    "<Scene Name=\"S\"><OrthoView Role=\"View2D\" Name=\"Flat\"/>"
    "<OrthoView Role=\"View3D\" Name=\"Flat\"/></Scene>\n";

// A show of one part over the bare scene, ending at `endTime`.
std::string OnePartShow(const std::string& endTime, const std::string& demoMembers = "") {
    return std::string("<Nimbus>\n") + kScenes + "<Part Name=\"P\"><float Role=\"EndTime\">" +
           endTime + "</float><Scene Role=\"Scene\" Name=\"S\"/></Part>\n<Demo Name=\"D\">" +
           demoMembers +
           "<Part Role=\"PartList\" Container=\"List\"><Part Name=\"P\"/></Part></Demo>\n"
           "</Nimbus>\n";
}

std::string SoundFile(const std::string& name) {
    return "<String Role=\"SoundFile\"><string Role=\"s\">" + name + "</string></String>";
}

bool Has(const std::string& log, const std::string& text) {
    return log.find(text) != std::string::npos;
}

const char kTeardown[] = "Destroy: Remnant objects: DISABLED\nDestroy: Done.\n";

}  // namespace

TEST(Play, ShowEndsByItselfAfterItsLastPartAndTearsDown) {
    const Production show(OnePartShow("0.5"));
    std::string log;
    EXPECT_EQ(show.Play(&log), 0) << log;
    EXPECT_TRUE(Has(log, "NClass<Demo> Object")) << log;
    EXPECT_TRUE(Has(log, kTeardown)) << log;
}

TEST(Play, DocumentWithoutPartsEndsAfterItsFirstFrame) {
    const Production show("<Nimbus><Demo Name=\"D\"/></Nimbus>");
    std::string log;
    EXPECT_EQ(show.Play(&log), 0) << log;
    EXPECT_TRUE(Has(log, kTeardown)) << log;
}

TEST(Play, LetterMarksAreLoggedOncePerPressAndEscapeEndsPlay) {
    const Production show(OnePartShow("600"));
    playtest::XServer x;
    std::unique_ptr<playtest::Program> player(show.Start(x));
    ASSERT_TRUE(playtest::SendKeys(x.Display(), {"+t", "+t", "-t", "a", "z", "b"}));
    // A mark reaches the log at the frame after its press.
    EXPECT_TRUE(playtest::WaitForText(show / "nimbus.log", "Timer: [B]"));
    ASSERT_TRUE(playtest::SendKeys(x.Display(), {"y", "Escape"}));
    EXPECT_EQ(player->Wait(), 0);
    const std::string log = show.Log();
    EXPECT_EQ(Occurrences(log, "Timer: [T] "), 1) << log;
    EXPECT_EQ(Occurrences(log, "Timer: [B] "), 1) << log;
    EXPECT_EQ(Occurrences(log, "Timer: ["), 2) << log;  // Y came with Escape: no next frame
    EXPECT_LT(log.find("Timer: [T] "), log.find("Timer: [B] "));
    EXPECT_TRUE(Has(log, kTeardown)) << log;
}

TEST(Play, ClosingTheWindowOrCtrlCEndsPlay) {
    const Production show(OnePartShow("600"));
    {
        playtest::XServer x;
        std::unique_ptr<playtest::Program> player(show.Start(x));
        EXPECT_TRUE(playtest::AskUntilExit(*player, [&] { playtest::CloseWindow(x.Display()); }));
        EXPECT_EQ(player->Wait(), 0);
        EXPECT_TRUE(Has(show.Log(), kTeardown)) << show.Log();
    }
    test::WriteFile(show / "nimbus.log", "");
    playtest::XServer x;
    std::unique_ptr<playtest::Program> player(show.Start(x));
    ASSERT_TRUE(playtest::WaitForText(show / "nimbus.log", "NClassRegistration"));
    ASSERT_TRUE(playtest::SendKeys(x.Display(), {}));  // the window is up
    EXPECT_TRUE(playtest::AskUntilExit(*player, [&] { player->Interrupt(); }));
    EXPECT_EQ(player->Wait(), 0);
    EXPECT_TRUE(Has(show.Log(), kTeardown)) << show.Log();
}

TEST(Play, PartWithoutASceneIsReportedOnceAndCounts) {
    const Production show(
        "<Nimbus><Part Name=\"P\"><float Role=\"EndTime\">0.3</float></Part>"
        "<Demo Name=\"D\"><Part Role=\"PartList\" Container=\"List\"><Part Name=\"P\"/></Part>"
        "</Demo></Nimbus>");
    std::string log;
    EXPECT_EQ(show.Play(&log), 1) << log;
    EXPECT_EQ(Occurrences(log, "Error: NPart: part ending at 0.300 s has no Scene\n"), 1) << log;
    EXPECT_TRUE(Has(log, kTeardown)) << log;
}

TEST(Play, MusicThatCannotPlayLeavesTheShowRunningToItsEnd) {
    struct Case {
        const char* file;
        const char* message;
    };
    for (const Case& c :
         {Case{"notmusic.ogg", "NDemo: can't play music\n"},
          Case{"empty.ogg", "NDemo: can't load music file\n"}, Case{"truncated.ogg", ""}}) {
        SCOPED_TRACE(c.file);
        const Production show(OnePartShow("0.5", SoundFile(c.file)));
        show.Add(c.file, test::TestDataPath(std::string("music/") + c.file));
        std::string log;
        EXPECT_EQ(show.Play(&log), 0) << log;
        EXPECT_TRUE(Has(log, c.message)) << log;
        EXPECT_TRUE(Has(log, kTeardown)) << log;
    }
}

TEST(Play, WithoutAnAudioDeviceTheShowRunsOnTheWallClock) {
    const Production show(OnePartShow("0.5", SoundFile("tone.ogg")));
    show.Add("tone.ogg", test::TestDataPath("music/tone.ogg"));
    std::string log;
    EXPECT_EQ(show.Play(&log, {"SDL_AUDIODRIVER=no-such-driver"}), 0) << log;
    EXPECT_TRUE(Has(log, "NDemo: can't play music\n")) << log;
    EXPECT_TRUE(Has(log, kTeardown)) << log;
}

namespace {

// The loudest sample that SDL's disk driver wrote (32-bit float stereo).
float Loudest(const std::string& path) {
    const std::string bytes = test::ReadFile(path);
    float loudest = 0.0f;
    for (size_t at = 0; at + sizeof(float) <= bytes.size(); at += sizeof(float)) {
        float sample;
        memcpy(&sample, bytes.data() + at, sizeof sample);
        loudest = std::max(loudest, std::fabs(sample));
    }
    return loudest;
}

// Plays `music` (a file copied into the production) for a second and a half on the
// disk driver; returns the loudest sample written, with the log in `log`.
float PlayMusic(const std::string& name, const std::string& source, std::string* log,
                bool withForeignLibrary = false) {
    const Production show(OnePartShow("1.5", SoundFile(name)));
    show.Add(name, source);
    if (withForeignLibrary) {
        show.AddText("bass.dll", "MZ this is no library of ours");
    }
    const std::string output = show / "audio.raw";
    EXPECT_EQ(show.Play(log, {"SDL_AUDIODRIVER=disk", "SDL_DISKAUDIOFILE=" + output}), 0) << *log;
    EXPECT_FALSE(Has(*log, "NDemo:")) << *log;
    return Loudest(output);
}

}  // namespace

TEST(Play, StreamsAndModulesReachTheAudioDevice) {
    for (const char* name : {"tone.wav", "tone.ogg", "tone.flac", "test.mod"}) {
        SCOPED_TRACE(name);
        std::string log;
        EXPECT_GT(PlayMusic(name, test::TestDataPath(std::string("music/") + name), &log), 0.05f);
    }
    std::string log;
    // Quiet, and silent in its first seconds: both play all the same.
    EXPECT_GT(PlayMusic("test.s3m", test::TestDataPath("music/test.s3m"), &log), 0.0f);
    PlayMusic("test.xm", test::TestDataPath("music/test.xm"), &log);
}

TEST(Play, TheProjectsOwnTuneAndModulePlay) {
    test::TempDir made;
    ASSERT_EQ(WriteModule(made / "tune.mod"), 0);
    ASSERT_EQ(WriteTune(made / "tune.ogg", 3.0), 0);
    std::string log;
    EXPECT_GT(PlayMusic("tune.ogg", made / "tune.ogg", &log), 0.05f);
    EXPECT_GT(PlayMusic("tune.mod", made / "tune.mod", &log), 0.05f);
}

TEST(Play, ALibraryInsideTheProductionIsIgnored) {
    std::string log;
    EXPECT_GT(PlayMusic("tone.wav", test::TestDataPath("music/tone.wav"), &log, true), 0.05f);
    EXPECT_FALSE(Has(log, "BASS.DLL")) << log;
}

// The bundled show, packed as the play script packs it, plays to its end. It plays
// on the capture tool's stepped clock, frame after frame as fast as they draw.
TEST(Play, BundledShowPlaysToItsEndWithoutAComplaint) {
    test::TempDir stage;
    std::string error;
    ASSERT_EQ(PackDirectory(NIMBUS_DEMO_DIR, stage / "demo.dat", &error), 0) << error;
    playtest::XServer x;
    playtest::Program capture(stage.Path(),
                              std::string(NIMBUS_CAPTURE_PATH) + " --fps 10 --out frames demo",
                              playtest::Environment(x));
    const int code = capture.Wait();
    const std::string log = test::ReadFile(stage / "nimbus.log");
    EXPECT_EQ(code, 0) << log;
    EXPECT_FALSE(Has(log, "NDemo:")) << log;
    EXPECT_FALSE(Has(log, "Error")) << log;
    EXPECT_TRUE(Has(log, kTeardown)) << log;
}

namespace {

// A show whose loading image is the picture `file`.
std::string LoadingImageShow(const std::string& file) {
    return OnePartShow("0.2", "<StillImage Role=\"LoadingImage\"><Texture Role=\"Texture\">" +
                                  file + "</Texture></StillImage>");
}

}  // namespace

TEST(Play, PictureOfAProductionIsMipmappedWithItsEstimate) {
    const Production show(LoadingImageShow("Images\\RGB256.JPG"));
    show.Add("images/rgb256.jpg", test::TestDataPath("images/rgb256.jpg"));
    std::string log;
    EXPECT_EQ(show.Play(&log), 0) << log;
    EXPECT_TRUE(Has(log, "NTexture: Mipmapped 256x256, 3 channel(s), approx. 261488 bytes\n"))
        << log;
}

TEST(Play, BrokenPictureIsReportedAndTheShowStillEndsCleanly) {
    const Production show(LoadingImageShow("broken.jpg"));
    show.Add("broken.jpg", test::TestDataPath("images/notjpeg.jpg"));
    std::string log;
    EXPECT_EQ(show.Play(&log), 1) << log;
    EXPECT_TRUE(Has(log, "can not load <broken.jpg>\n")) << log;
    EXPECT_TRUE(Has(log, kTeardown)) << log;
}
