#include "capture/CaptureOptions.h"
#include "tools/CaptureOptionsParse.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {}  // namespace

TEST(CaptureOptions, DefaultsAreThirtyFramesAndTheCurrentFolder) {
    CaptureOptions options;
    std::string error;
    ASSERT_TRUE(test::ParseCapture({"dir/show"}, &options, &error)) << error;
    EXPECT_EQ(options.fps, 30);
    EXPECT_EQ(options.outDir, ".");
    EXPECT_EQ(options.path, "dir/show");
    EXPECT_TRUE(options.atMilliseconds.empty());
    EXPECT_FALSE(options.range);
    EXPECT_FALSE(options.stats);
    EXPECT_EQ(CapturePlan(options).LastFrame(), -1);  // nothing asked: play to the end
}

TEST(CaptureOptions, ReadsEveryOptionInSeconds) {
    CaptureOptions options;
    std::string error;
    ASSERT_TRUE(test::ParseCapture({"--fps", "25", "--at", "1.5,0,12.0004", "--from", "2", "--to",
                                    "2.25", "--out", "frames", "--stats", "show"},
                                   &options, &error))
        << error;
    EXPECT_EQ(options.fps, 25);
    EXPECT_EQ(options.atMilliseconds, (std::vector<long>{1500, 0, 12000}));
    EXPECT_TRUE(options.range);
    EXPECT_EQ(options.fromMilliseconds, 2000);
    EXPECT_EQ(options.toMilliseconds, 2250);
    EXPECT_EQ(options.outDir, "frames");
    EXPECT_TRUE(options.stats);
}

TEST(CaptureOptions, RefusesLinesItCannotUse) {
    EXPECT_EQ(test::CaptureOptionsError({}), "no production named");
    EXPECT_EQ(test::CaptureOptionsError({"a", "b"}), "one production only, not a and b");
    EXPECT_EQ(test::CaptureOptionsError({"--fps", "0", "show"}),
              "--fps wants a whole number from 1 to 1000, not 0");
    EXPECT_EQ(test::CaptureOptionsError({"--fps", "30x", "show"}),
              "--fps wants a whole number from 1 to 1000, not 30x");
    EXPECT_EQ(test::CaptureOptionsError({"--at", "1,,2", "show"}),
              "--at wants times in seconds separated by commas, not 1,,2");
    EXPECT_EQ(test::CaptureOptionsError({"--at", "-1", "show"}),
              "--at wants times in seconds separated by commas, not -1");
    EXPECT_EQ(test::CaptureOptionsError({"--at", "nan", "show"}),
              "--at wants times in seconds separated by commas, not nan");
    EXPECT_EQ(test::CaptureOptionsError({"--from", "1", "show"}), "--from and --to go together");
    EXPECT_EQ(test::CaptureOptionsError({"--from", "2", "--to", "1", "show"}),
              "--from must not be later than --to");
    EXPECT_EQ(test::CaptureOptionsError({"show", "--out"}), "--out needs a value");
    EXPECT_EQ(test::CaptureOptionsError({"--speed", "2", "show"}), "unknown option --speed");
}

TEST(CaptureOptions, NoDrawGoesWithStatsAloneSinceNothingIsDrawn) {
    CaptureOptions options;
    std::string error;
    ASSERT_TRUE(test::ParseCapture({"--stats", "--no-draw", "--fps", "5", "--out", "x", "show"},
                                   &options, &error))
        << error;
    EXPECT_TRUE(options.noDraw);
    const std::string refused = "--no-draw draws no frames: it goes with --stats alone";
    EXPECT_EQ(test::CaptureOptionsError({"--no-draw", "show"}), refused);
    for (const char* option : {"--at", "--size", "--video", "--wav"}) {
        const char* value = std::string(option) == "--size" ? "800x600" : "1";
        EXPECT_EQ(test::CaptureOptionsError({"--stats", "--no-draw", option, value, "show"}),
                  refused)
            << option;
    }
    EXPECT_EQ(
        test::CaptureOptionsError({"--stats", "--no-draw", "--from", "1", "--to", "2", "show"}),
        refused);
}

TEST(CapturePlan, TakesTheFirstFrameAtOrAfterEachTimeAndEveryFrameOfTheRange) {
    CaptureOptions options;
    options.fps = 30;
    options.atMilliseconds = {0, 100, 1000, 1010};
    options.range = true;
    options.fromMilliseconds = 2000;
    options.toMilliseconds = 2100;
    const CapturePlan plan(options);
    std::vector<long> wanted;
    for (long frame = 0; frame <= plan.LastFrame(); ++frame) {
        if (plan.Wants(frame)) {
            wanted.push_back(plan.Milliseconds(frame));
        }
    }
    EXPECT_EQ(wanted, (std::vector<long>{0, 100, 1000, 1033, 2000, 2033, 2066, 2100}));
    EXPECT_EQ(plan.LastFrame(), 63);
}

TEST(CapturePlan, ARangeBetweenTwoFramesAsksForNoneButStillEndsThere) {
    CaptureOptions options;
    options.fps = 10;
    options.range = true;
    options.fromMilliseconds = 1010;
    options.toMilliseconds = 1090;
    const CapturePlan plan(options);
    EXPECT_EQ(plan.LastFrame(), 10);
    for (long frame = 0; frame <= 11; ++frame) {
        EXPECT_FALSE(plan.Wants(frame)) << frame;
    }
}
