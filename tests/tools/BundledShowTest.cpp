// The bundled production as the build assembles it: its parts change on bar lines
// of the tune, it plays without a word from the shader compiler or anything counted,
// and captured in the middle of every part each part shows a picture of its own
// rather than a field of one colour; and played through the renderer that draws
// nothing, which leaves only the picture out.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "PlayHarness.h"
#include "TestSupport.h"
#include "app/ClassTable.h"
#include "app/Demo.h"
#include "document/NimbusDocument.h"
#include "io/Data.h"
#include "makedemo/DemoMedia.h"

using playtest::Picture;
using playtest::Production;
using playtest::ReadPng;

namespace {

// The end time of every part in play order, read from the bundled document itself
// so that the test follows the show as it changes.
std::vector<float> PartEnds() {
    NClassRegistration();
    DefaultInput.Mount(kDirectoryMode, NIMBUS_DEMO_DIR);
    DefaultInput.SetAsDefault(false);
    NimbusDocument document;
    document.Load("demo.xml");
    auto* demo = static_cast<NDemo*>(document.CompileAndFind("Demo"));
    std::vector<float> ends;
    for (NListNodeClass* node = demo ? demo->PartList.next : nullptr; node; node = node->next) {
        ends.push_back(static_cast<NPart*>(node)->EndTime);
    }
    document.Destroy();
    DefaultInput.Unmount();
    return ends;
}

// A production "show" holding the bundled document and every file beside it.
void CopyBundledShow(const Production& show) {
    for (const auto& entry : std::filesystem::directory_iterator(NIMBUS_DEMO_DIR)) {
        const std::string name = entry.path().filename().string();
        show.Add(name == "demo.xml" ? "show.xml" : name, entry.path().string());
    }
}

// The share of the picture taken by its most common colour, at 16 levels a channel.
double LargestColourShare(const Picture& picture) {
    std::map<unsigned long, int> counts;
    int largest = 0;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            largest = std::max(largest, ++counts[picture.At(x, y) & 0xF0F0F0]);
        }
    }
    return static_cast<double>(largest) / (picture.width * picture.height);
}

// The share of pixels that differ clearly between two pictures of one size.
double ChangedShare(const Picture& a, const Picture& b) {
    int changed = 0;
    for (int y = 0; y < a.height; ++y) {
        for (int x = 0; x < a.width; ++x) {
            changed += playtest::Near(a.At(x, y), b.At(x, y), 24) ? 0 : 1;
        }
    }
    return static_cast<double>(changed) / (a.width * a.height);
}

// The rows of the --stats table without the times: part, span, frames, triangles and
// sprites, one line each.
std::string StatsCounts(const std::string& output) {
    static const std::regex row(
        R"(^(\S+) +([0-9.]+) +([0-9.]+) +([0-9]+) +[0-9.]+ +[0-9.]+ +([0-9]+) +([0-9]+)$)");
    std::istringstream lines(output);
    std::string counts;
    for (std::string line; std::getline(lines, line);) {
        std::smatch m;
        if (std::regex_match(line, m, row)) {
            counts += m[1].str() + " " + m[2].str() + "-" + m[3].str() + " frames " + m[4].str() +
                      " triangles " + m[5].str() + " sprites " + m[6].str() + "\n";
        }
    }
    return counts;
}

// The log without the object addresses that differ from run to run.
std::string WithoutAddresses(const std::string& log) {
    return std::regex_replace(log, std::regex("0x[0-9a-f]+"), "ADDRESS");
}

}  // namespace

TEST(BundledShow, PartsChangeOnBarsAndEachShowsAPictureOfItsOwn) {
    const std::vector<float> ends = PartEnds();
    ASSERT_GE(ends.size(), 8u) << test::LogText();
    std::vector<long> middles;
    std::string times;
    float start = 0;
    for (float end : ends) {
        const double bars = end / kTuneBarSeconds;
        EXPECT_NEAR(bars, std::round(bars), 1e-4) << "a part change off the bar line at " << end;
        middles.push_back(std::lround((start + end) * 500.0));
        times += (times.empty() ? "" : ",") + std::to_string(middles.back() / 1000.0);
        start = end;
    }

    const Production show("");
    CopyBundledShow(show);
    std::string output;
    // Ten frames a second keeps the run short; the effects step by the show's time.
    ASSERT_EQ(show.Capture("--fps 10 --at " + times, &output), 0) << output;
    EXPECT_EQ(output.find("Shader Compilation Results"), std::string::npos) << output;
    Picture previous;
    for (size_t i = 0; i < middles.size(); ++i) {
        // --at takes the first frame at or after each time: whole tenths here.
        const long milliseconds = (middles[i] + 99) / 100 * 100;
        char name[48];
        snprintf(name, sizeof name, "frames/show-%07ld.png", milliseconds);
        SCOPED_TRACE(name);
        const Picture frame = ReadPng(show / name);
        ASSERT_EQ(frame.width, 640);
        ASSERT_EQ(frame.height, 480);
        EXPECT_LT(LargestColourShare(frame), 0.4);
        if (i > 0) {
            EXPECT_GT(ChangedShare(previous, frame), 0.2);
        }
        previous = frame;
    }
}

// Played to its end without a display through the renderer that draws nothing, the
// show loads, logs and submits exactly what it does when drawn: every texture's
// upload line, every part's frames, triangles and sprites.
TEST(BundledShow, PlaysWithoutDrawingAsItDoesWhenDrawn) {
    const Production show("");
    CopyBundledShow(show);
    std::string drawn;
    ASSERT_EQ(show.Capture("--fps 10 --stats", &drawn), 0) << drawn;
    const std::string drawnLog = show.Log();
    std::filesystem::remove(show / "nimbus.log");
    std::string undrawn;
    ASSERT_EQ(show.CaptureWithoutDisplay("--fps 10 --stats --no-draw", &undrawn), 0) << undrawn;

    const std::string counts = StatsCounts(drawn);
    EXPECT_EQ(playtest::Occurrences(counts, "\n"), static_cast<int>(PartEnds().size())) << drawn;
    EXPECT_TRUE(std::regex_search(counts, std::regex("sprites [1-9]"))) << counts;
    EXPECT_EQ(StatsCounts(undrawn), counts) << undrawn;
    EXPECT_NE(drawnLog.find("NTexture: Mipmapped "), std::string::npos) << drawnLog;
    EXPECT_EQ(WithoutAddresses(show.Log()), WithoutAddresses(drawnLog));
}
