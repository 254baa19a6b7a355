// The timeline in-process: documents compiled for real, scenes that record what
// they were shown, and a clock driven by hand.
#include "app/Demo.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "app/ClassTable.h"
#include "app/FrameClock.h"
#include "base/Con.h"
#include "base/FrameTime.h"
#include "document/NimbusDocument.h"
#include "io/Data.h"
#include "render/VertexPool.h"
#include "scene/Scene.h"
#include "sound/CurrentSound.h"
#include "sound/Sound.h"
#include "sound/SoundTestSupport.h"
#include "window/KeyTimer.h"

namespace {

// Stands in for a real scene: remembers the frame state of each Update.
class RecordingScene : public NScene {
  public:
    void Init() override { ++inits; }
    void Update() override {
        times.push_back(CurrentTime);
        fades.push_back(PartFade);
    }
    int inits = 0;
    std::vector<float> times;
    std::vector<float> fades;
};

class DemoTest : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        NClassRegistration();
        DefaultInput.Mount(kDirectoryMode, dir.Path().c_str());
        DefaultInput.SetAsDefault(false);
        Con.EnableBuffer(true);
    }
    void TearDown() override {
        delete demo;
        DefaultInput.Unmount();
    }

    // Compiles parts written with the given end times, in this order, each with a
    // recording scene; returns the demo, initialised and on the hand clock.
    NDemo* Play(const std::vector<std::string>& parts, const std::string& demoBody = "") {
        std::string body;
        std::string list;
        for (size_t i = 0; i < parts.size(); ++i) {
            const std::string name = "P" + std::to_string(i);
            body += "<Part Name=\"" + name + "\">" + parts[i] + "</Part>\n";
            list += "<Part Name=\"" + name + "\"/>";
        }
        body += "<Demo Name=\"D\">" + demoBody + "<Part Role=\"PartList\" Container=\"List\">" +
                list + "</Part></Demo>";
        test::WriteFile(dir / "show.xml", "<Nimbus>\n" + body + "\n</Nimbus>\n");
        document.Load("show.xml");
        demo = static_cast<NDemo*>(document.CompileAndFind("Demo"));
        EXPECT_NE(demo, nullptr) << test::LogText();
        scenes.clear();
        for (size_t i = 0; i < parts.size(); ++i) {
            scenes.push_back(std::make_unique<RecordingScene>());
        }
        for (NListNodeClass* node = demo->PartList.next; node; node = node->next) {
            auto* part = static_cast<NPart*>(node);
            part->Scene = scenes[IndexOf(part)].get();
        }
        demo->SetClock(&clock);
        demo->Init();
        return demo;
    }

    size_t IndexOf(NPart* part) {
        for (DocNode* node = document.Root().firstChild; node; node = node->next) {
            if (node->object == part) {
                return std::stoul(std::string(node->name).substr(1));
            }
        }
        return 0;
    }

    void FrameAt(int milliseconds) {
        clock.milliseconds = milliseconds;
        demo->Update();
    }

    static bool Logged(const std::string& text) {
        return test::LogText().find(text) != std::string::npos;
    }

    test::TempDir dir;
    NimbusDocument document;
    NDemo* demo = nullptr;
    std::vector<std::unique_ptr<RecordingScene>> scenes;
    SetClock clock;
};

std::string EndingAt(const char* seconds, const std::string& more = "") {
    return std::string("<float Role=\"EndTime\">") + seconds + "</float>" + more;
}

std::string SoundFile(const std::string& name) {
    return "<String Role=\"SoundFile\"><string Role=\"s\">" + name + "</string></String>";
}

}  // namespace

TEST_F(DemoTest, PartsWrittenLastToFirstPlayInTimeOrder) {
    Play({EndingAt("40"), EndingAt("25"), EndingAt("10")});
    for (const auto& scene : scenes) {
        EXPECT_EQ(scene->inits, 1);
    }
    FrameAt(12000);
    FrameAt(25000);
    EXPECT_FALSE(demo->finished);
    // Times are milliseconds times the single-precision 0.001, so 25 s is a hair over.
    ASSERT_EQ(scenes[1]->times.size(), 1u);
    EXPECT_NEAR(scenes[1]->times[0], 2.0f, 1e-5);
    ASSERT_EQ(scenes[0]->times.size(), 1u);
    EXPECT_NEAR(scenes[0]->times[0], 0.0f, 1e-5);
    FrameAt(40000);
    EXPECT_TRUE(demo->finished);
    EXPECT_EQ(scenes[0]->times.size(), 1u);
}

TEST_F(DemoTest, PartsWrittenFirstToLastShowOnlyThePartWrittenLast) {
    Play({EndingAt("10"), EndingAt("25"), EndingAt("40")});
    FrameAt(5000);
    FrameAt(30000);
    EXPECT_TRUE(scenes[0]->times.empty());
    EXPECT_TRUE(scenes[1]->times.empty());
    ASSERT_EQ(scenes[2]->times.size(), 2u);
    EXPECT_FLOAT_EQ(scenes[2]->times[0], 5.0f);
    EXPECT_FLOAT_EQ(scenes[2]->times[1], 30.0f);
}

TEST_F(DemoTest, FadesScaleThePartFadeAndShortFadesAreNone) {
    Play(
        {EndingAt("40", "<float Role=\"Fadeup\">0.05</float><float Role=\"Fadedown\">0.05</float>"),
         EndingAt("25", "<float Role=\"Fadedown\">3</float><float Role=\"Fadeup\">20</float>"),
         EndingAt("10", "<float Role=\"Fadeup\">2</float>")});
    FrameAt(500);
    FrameAt(5000);
    FrameAt(23500);
    FrameAt(25000);
    FrameAt(39999);
    EXPECT_FLOAT_EQ(scenes[2]->fades[0], 0.25f);
    EXPECT_FLOAT_EQ(scenes[2]->fades[1], 1.0f);
    EXPECT_NEAR(scenes[1]->fades[0], (13.5f / 20.0f) * 0.5f, 1e-5);
    EXPECT_FLOAT_EQ(scenes[0]->fades[0], 1.0f);
    EXPECT_FLOAT_EQ(scenes[0]->fades[1], 1.0f);
    EXPECT_EQ(PartFade, 1.0f);
}

TEST_F(DemoTest, HoldingSpaceFreezesTheTimeUntilRelease) {
    Play({EndingAt("40")});
    KeyTimer& keys = CreateKeyTimer();
    FrameAt(1000);
    keys.KeyDown(32, 0);
    FrameAt(2000);
    FrameAt(3000);
    keys.KeyUp(32);
    FrameAt(4000);
    EXPECT_EQ(scenes[0]->times, (std::vector<float>{1.0f, 1.0f, 1.0f, 4.0f}));
}

TEST_F(DemoTest, LetterMarksReachTheLogAtTheNextFrameOncePerPress) {
    soundtest::ManualTicks ticks(5000);
    Play({EndingAt("40")});
    ASSERT_EQ(CurrentSound, demo->sound);
    KeyTimer& keys = CreateKeyTimer();
    ticks.Advance(12346);
    keys.KeyDown('T', MusicSeconds());
    keys.KeyDown('T', MusicSeconds());  // key repeat
    keys.KeyDown('A', MusicSeconds());
    keys.KeyDown('Z', MusicSeconds());
    EXPECT_FALSE(Logged("Timer:"));
    FrameAt(12346);
    EXPECT_TRUE(Logged("Timer: [T]   12.346\r\n")) << test::LogText();
    EXPECT_EQ(test::LogText().find("Timer:"), test::LogText().rfind("Timer:")) << test::LogText();
    keys.KeyUp('T');
    ticks.Advance(1000);
    keys.KeyDown('T', MusicSeconds());
    keys.KeyDown('B', MusicSeconds());
    keys.KeyDown('Y', MusicSeconds());
    FrameAt(13346);
    EXPECT_TRUE(Logged("Timer: [T]   13.346\r\nTimer: [B]   13.346\r\nTimer: [Y]   13.346\r\n"))
        << test::LogText();
    EXPECT_EQ(keys.MarkCount(), 0);
    EXPECT_EQ(Con.ErrorCount(), 0);
}

TEST_F(DemoTest, WithoutMusicTheClockCountsFromTheEndOfInit) {
    soundtest::ManualTicks ticks(700);
    Play({EndingAt("40")});
    demo->SetClock(nullptr);
    ticks.Advance(1500);
    demo->Update();
    ASSERT_EQ(scenes[0]->times.size(), 1u);
    EXPECT_FLOAT_EQ(scenes[0]->times[0], 1.5f);
    EXPECT_FALSE(demo->sound->Output().IsOpen());
    EXPECT_EQ(test::LogText().find("NDemo:"), std::string::npos) << test::LogText();
}

TEST_F(DemoTest, MusicThatCannotPlayLeavesTheShowOnTheWallClock) {
    struct Case {
        const char* file;
        const char* message;
    };
    for (const Case& c : {Case{"missing.ogg", "NDemo: can't load music file\r\n"},
                          Case{"empty.ogg", "NDemo: can't load music file\r\n"},
                          Case{"notmusic.ogg", "NDemo: can't play music\r\n"}}) {
        SCOPED_TRACE(c.file);
        Con.EnableBuffer(true);
        for (const char* name : {"empty.ogg", "notmusic.ogg"}) {
            test::WriteFile(dir / name,
                            test::ReadFile(test::TestDataPath(std::string("music/") + name)));
        }
        soundtest::ManualTicks ticks(100);
        delete demo;
        demo = nullptr;
        Play({EndingAt("40")}, SoundFile(c.file));
        EXPECT_TRUE(Logged(c.message)) << test::LogText();
        demo->SetClock(nullptr);
        ticks.Advance(50);
        demo->Update();  // the clock starts here
        ticks.Advance(2000);
        demo->Update();
        ASSERT_EQ(scenes[0]->times.size(), 2u);
        EXPECT_FLOAT_EQ(scenes[0]->times[1], 2.0f);
        EXPECT_EQ(Con.ErrorCount(), 0);
    }
}

TEST_F(DemoTest, PlayableMusicStartsTheClockAndTheDemoOwnsItsSound) {
    test::WriteFile(dir / "tone.ogg", test::ReadFile(test::TestDataPath("music/tone.ogg")));
    Play({EndingAt("40")}, SoundFile("tone.ogg"));
    EXPECT_EQ(test::LogText().find("NDemo:"), std::string::npos) << test::LogText();
    EXPECT_TRUE(demo->sound->Output().IsOpen());
    EXPECT_EQ(CurrentVertexPool, demo->vertexPool);
    delete demo;
    demo = nullptr;
    EXPECT_EQ(CurrentSound, nullptr);
    EXPECT_EQ(CurrentVertexPool, nullptr);
    EXPECT_EQ(MusicSeconds(), 0.0f);
}

namespace {

// A drawable whose picture needs every frame since its first, as a field does.
class HistoryDrawable : public NDrawable {
  public:
    bool KeepsHistory() const override { return true; }
};

}  // namespace

TEST_F(DemoTest, RestartTimesAvoidScenesShownAgainAndScenesThatKeepHistory) {
    // In play order: A 0-10, B 10-20 (keeps history), A again 20-30, C 30-40, C 40-50.
    Play({EndingAt("50"), EndingAt("40"), EndingAt("30"), EndingAt("20"), EndingAt("10")});
    NScene* a = scenes[4].get();
    NScene* c = scenes[1].get();
    for (NListNodeClass* node = demo->PartList.next; node; node = node->next) {
        auto* part = static_cast<NPart*>(node);
        const size_t index = IndexOf(part);
        part->Scene = index == 2 ? a : index == 0 ? c : part->Scene;
    }
    HistoryDrawable field;
    scenes[3]->drawables.next = &field;
    field.prev = &scenes[3]->drawables;
    const float warmUp = 0.1f;
    // Inside a scene's showing, with the warm-up inside it too, play restarts at once.
    EXPECT_FLOAT_EQ(demo->RestartTime(5, warmUp), 5);
    EXPECT_FLOAT_EQ(demo->RestartTime(25, warmUp), 25);
    EXPECT_FLOAT_EQ(demo->RestartTime(35, warmUp), 35);
    // Two parts showing one scene count as one showing.
    EXPECT_FLOAT_EQ(demo->RestartTime(40.05f, warmUp), 40.05f);
    // A history scene needs its part's start; here A's second showing needs A's
    // first, so only 0 will do, before and right after B as well.
    EXPECT_FLOAT_EQ(demo->RestartTime(15, warmUp), 0);
    EXPECT_FLOAT_EQ(demo->RestartTime(20.05f, warmUp), 0);
    // Without A shown again, B's start is a restart time of its own.
    for (NListNodeClass* node = demo->PartList.next; node; node = node->next) {
        auto* part = static_cast<NPart*>(node);
        if (IndexOf(part) == 2) {
            part->Scene = scenes[2].get();
        }
    }
    EXPECT_FLOAT_EQ(demo->RestartTime(15, warmUp), 10);
    scenes[3]->drawables.next = nullptr;
}
