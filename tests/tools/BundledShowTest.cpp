// The bundled production as the build assembles it, captured in the middle of every
// part: each part shows something, and something other than the part before it; and
// played through the renderer that draws nothing, which leaves only the picture out.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
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

using playtest::Picture;
using playtest::Production;
using playtest::ReadPng;

namespace {

// The middle of every part in play order, in whole milliseconds, read from the
// bundled document itself so that the test follows the show as it changes.
std::vector<long> PartMiddles() {
    NClassRegistration();
    DefaultInput.Mount(kDirectoryMode, NIMBUS_DEMO_DIR);
    DefaultInput.SetAsDefault(false);
    NimbusDocument document;
    document.Load("demo.xml");
    auto* demo = static_cast<NDemo*>(document.CompileAndFind("Demo"));
    std::vector<long> middles;
    float start = 0;
    for (NListNodeClass* node = demo ? demo->PartList.next : nullptr; node; node = node->next) {
        const float end = static_cast<NPart*>(node)->EndTime;
        middles.push_back(std::lround((start + end) * 500.0));
        start = end;
    }
    document.Destroy();
    DefaultInput.Unmount();
    return middles;
}

// A production "show" holding the bundled document and every file beside it.
void CopyBundledShow(const Production& show) {
    for (const auto& entry : std::filesystem::directory_iterator(NIMBUS_DEMO_DIR)) {
        const std::string name = entry.path().filename().string();
        show.Add(name == "demo.xml" ? "show.xml" : name, entry.path().string());
    }
}

double Luminance(unsigned long rgb) {
    return 0.299 * ((rgb >> 16) & 0xFF) + 0.587 * ((rgb >> 8) & 0xFF) + 0.114 * (rgb & 0xFF);
}

// The spread of the picture's brightness: 0 for a picture of one colour.
double BrightnessSpread(const Picture& picture) {
    double sum = 0;
    double squares = 0;
    const int count = picture.width * picture.height;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const double l = Luminance(picture.At(x, y));
            sum += l;
            squares += l * l;
        }
    }
    const double mean = sum / count;
    return std::sqrt(std::max(0.0, squares / count - mean * mean));
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

TEST(BundledShow, EveryPartShowsAPictureOfItsOwn) {
    const std::vector<long> middles = PartMiddles();
    ASSERT_GE(middles.size(), 8u) << test::LogText();
    const Production show("");
    CopyBundledShow(show);
    std::string times;
    for (long milliseconds : middles) {
        times += (times.empty() ? "" : ",") + std::to_string(milliseconds / 1000.0);
    }
    std::string output;
    // Ten frames a second keeps the run short; the effects step by the show's time.
    ASSERT_EQ(show.Capture("--fps 10 --at " + times, &output), 0) << output;
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
        EXPECT_GT(BrightnessSpread(frame), 4.0);
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
    EXPECT_EQ(playtest::Occurrences(counts, "\n"), static_cast<int>(PartMiddles().size())) << drawn;
    EXPECT_TRUE(std::regex_search(counts, std::regex("sprites [1-9]"))) << counts;
    EXPECT_EQ(StatsCounts(undrawn), counts) << undrawn;
    EXPECT_NE(drawnLog.find("NTexture: Mipmapped "), std::string::npos) << drawnLog;
    EXPECT_EQ(WithoutAddresses(show.Log()), WithoutAddresses(drawnLog));
}
