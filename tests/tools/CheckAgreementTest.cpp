// The check tool and the player agree: for every production the tests hold, the
// check counts at least what the player counts when it plays the production to its
// end. Both run in this process, the player on the renderer that draws nothing with
// a clock that steps a fifth of a second a frame, so that a long show takes little.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "PlayHarness.h"
#include "SetUpRefusals.h"
#include "TestSupport.h"
#include "app/AppPath.h"
#include "app/Application.h"
#include "app/Demo.h"
#include "app/DemoPlayer.h"
#include "app/FrameClock.h"
#include "base/Con.h"
#include "check/Check.h"
#include "document/NimbusDocument.h"
#include "render/NullSurface.h"

namespace fs = std::filesystem;

namespace {

constexpr int kFrameMilliseconds = 200;
// The bundled show's 72 seconds and then some.
constexpr int kMostFrames = 500;

void LogToBuffer() {
    Con.SetBufferSize(1 << 20);
    Con.EnableBuffer(true);
}

// What the player counts playing the production at `path` from start to end.
int PlayersCount(const std::string& path, std::string* log) {
    test::ResetProcessState();
    LogToBuffer();
    SetExecutablePath(path.c_str());
    if (NDemo* demo = LoadDemo()) {
        SetClock clock;
        {
            DemoPlayer player;
            player.surface = new NNullSurface;
            player.demo = demo;
            demo->musicSwitch = true;
            demo->SetClock(&clock);
            player.Prepare();
            for (int frame = 1; player.CanDraw() && frame <= kMostFrames && player.PlayFrame();
                 ++frame) {
                clock.milliseconds = frame * kFrameMilliseconds;
            }
            player.surface->Close();
        }
        Document.Destroy();
    }
    *log = test::LogText();
    return Con.ErrorCount();
}

int ChecksCount(const std::string& path, std::string* log) {
    test::ResetProcessState();
    LogToBuffer();
    RunCheck(path.c_str());
    *log = test::LogText();
    return Con.ErrorCount();
}

std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_regular_file() && name.rfind("LICENSE", 0) != 0 && name != "README.md") {
            files.push_back(entry.path().string());
        }
    }
    return files;
}

std::string Extension(const std::string& file) {
    return fs::path(file).extension().string();
}

// A part over a still image of `picture`, with `music`, in production folder `dir`.
void WritePictureShow(const std::string& dir, const std::string& picture,
                      const std::string& music) {
    const std::string pictureName = "pic" + Extension(picture);
    const std::string musicName = "music" + Extension(music);
    test::WriteFile(dir + "/data/show.xml",
                    "<Nimbus>\n<OrthoView Name=\"Flat\"/>\n<Texture Name=\"T\">" + pictureName +
                        "</Texture>\n<StillImage Name=\"A\"><Texture Role=\"Texture\" Name=\"T\"/>"
                        "<Color Role=\"Color\">#FFFFFF</Color></StillImage>\n"
                        "<Scene Name=\"S\"><StillImage Role=\"BackgroundImage\" Name=\"A\"/>"
                        "<OrthoView Role=\"View2D\" Name=\"Flat\"/><OrthoView Role=\"View3D\" "
                        "Name=\"Flat\"/></Scene>\n"
                        "<Part Name=\"P\"><float Role=\"EndTime\">1</float><Scene Role=\"Scene\" "
                        "Name=\"S\"/></Part>\n"
                        "<Demo Name=\"D\"><String Role=\"SoundFile\"><string Role=\"s\">" +
                        musicName +
                        "</string></String><Part Role=\"PartList\" Container=\"List\"><Part "
                        "Name=\"P\"/></Part></Demo>\n</Nimbus>\n");
    fs::copy_file(picture, dir + "/data/" + pictureName);
    fs::copy_file(music, dir + "/data/" + musicName);
}

}  // namespace

TEST(CheckAgreement, TheCheckNeverCountsLessThanThePlayer) {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    const test::TempDir root;
    std::vector<std::string> shows;
    int made = 0;
    auto newShow = [&]() {
        const std::string dir = root / std::to_string(made++);
        fs::create_directories(dir + "/data");
        shows.push_back(dir + "/show");
        return dir;
    };
    for (const std::string& document : FilesIn(test::CorpusPath("document"))) {
        fs::copy_file(document, newShow() + "/data/show.xml");
    }
    for (const std::string& archive : FilesIn(test::CorpusPath("zip"))) {
        fs::copy_file(archive, newShow() + "/show.dat");
    }
    // Every picture and every piece of music the tests read, the refused ones too.
    std::vector<std::string> pictures = FilesIn(test::TestDataPath("images"));
    for (const char* kind : {"tga", "jpeg"}) {
        for (const std::string& file : FilesIn(test::CorpusPath(kind))) {
            pictures.push_back(file);
        }
    }
    std::vector<std::string> music = FilesIn(test::TestDataPath("music"));
    for (const char* kind : {"stream", "module"}) {
        for (const std::string& file : FilesIn(test::CorpusPath(kind))) {
            music.push_back(file);
        }
    }
    const size_t pairs = std::max(pictures.size(), music.size());
    for (size_t i = 0; i < pairs; ++i) {
        WritePictureShow(newShow(), pictures[i % pictures.size()], music[i % music.size()]);
    }
    const std::string refusals = newShow();
    test::WriteFile(refusals + "/data/show.xml", setup_refusals::Document());
    test::WriteFile(refusals + "/data/plain.vert", setup_refusals::kVertex);
    test::WriteFile(refusals + "/data/plain.frag", setup_refusals::kFragment);
    fs::copy_file(test::TestDataPath("images/utc24.tga"), refusals + "/data/pic.tga");
    // The bundled show, as the folder beside a player named after it.
    const std::string bundled = root / "bundled";
    fs::create_directories(bundled);
    fs::create_directory_symlink(NIMBUS_DEMO_DIR, bundled + "/data");
    shows.push_back(bundled + "/demo");

    int checkedWithProblems = 0;
    for (const std::string& show : shows) {
        std::string playerLog;
        std::string checkLog;
        const int played = PlayersCount(show, &playerLog);
        const int checked = ChecksCount(show, &checkLog);
        EXPECT_GE(checked, played) << show << "\n--- player:\n"
                                   << playerLog << "\n--- check:\n"
                                   << checkLog;
        checkedWithProblems += checked > 0;
    }
    // Most of them are broken on purpose; the bundled show is not.
    EXPECT_GT(checkedWithProblems, static_cast<int>(shows.size()) / 2);
    std::string log;
    EXPECT_EQ(ChecksCount(bundled + "/demo", &log), 0) << log;
}

// The one kind of message the check cannot count as the player does: one that every
// frame repeats, such as a keyed value whose keys run backwards. The player logs
// it once, counts every frame and sums the repeats up when play ends.
TEST(CheckAgreement, MessagesThatEveryFrameRepeatsAreLoggedOnceAndStillCounted) {
    const test::TempDir root;
    test::WriteFile(root / "data/show.xml", R"(<Nimbus>
<OrthoView Name="Flat"/>
<PAANode Name="Turning">
  <Vector Role="Position">0 0 0</Vector><Vector Role="RotationAxis">0 0 1</Vector>
  <BSFloatValue Role="RotationAngle"><Key Time="1">0</Key><Key Time="0">1</Key></BSFloatValue>
  <TransformNodeContent Role="Object"/>
</PAANode>
<Scene Name="S"><OrthoView Role="View2D" Name="Flat"/><OrthoView Role="View3D" Name="Flat"/>
  <TransformNode Role="Nodes" Container="Tree"><PAANode Name="Turning"/></TransformNode></Scene>
<Part Name="P"><float Role="EndTime">1</float><Scene Role="Scene" Name="S"/></Part>
<Demo Name="D"><Part Role="PartList" Container="List"><Part Name="P"/></Part></Demo>
</Nimbus>
)");
    std::string log;
    // Five frames at 0, 0.2, ... 0.8 s; the first Update finds the refused keys.
    EXPECT_EQ(PlayersCount(root / "show", &log), 1 + 5) << log;
    EXPECT_EQ(playtest::Occurrences(log, "Error: NKeyValue: Not Initialized\r\n"), 1) << log;
    EXPECT_NE(log.find("Error: NKeyValue: Not Initialized (repeated 4 times)\r\n"),
              std::string::npos)
        << log;
}
