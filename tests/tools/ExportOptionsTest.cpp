// The export's options and its span of frames, without a display.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "capture/CaptureOptions.h"
#include "capture/Export.h"
#include "tools/CaptureOptionsParse.h"

namespace {

CaptureOptions Options(std::vector<std::string> arguments) {
    CaptureOptions options;
    std::string error;
    EXPECT_TRUE(test::ParseCapture(std::move(arguments), &options, &error)) << error;
    return options;
}

}  // namespace

TEST(ExportOptions, SizesFromTheSmallestToTheLargestAreTaken) {
    const CaptureOptions wide = Options({"--size", "1920x1080", "--video", "a.mp4", "show"});
    EXPECT_EQ(wide.output.width, 1920);
    EXPECT_EQ(wide.output.height, 1080);
    EXPECT_EQ(wide.output.videoPath, "a.mp4");
    EXPECT_FALSE(wide.output.SoundOnly());
    EXPECT_EQ(Options({"--size", "64x48", "show"}).output.width, 64);
    EXPECT_EQ(Options({"--size", "7680x4320", "show"}).output.height, 4320);
    EXPECT_TRUE(Options({"--wav", "a.wav", "show"}).output.SoundOnly());
    const CaptureOptions plain = Options({"show"});
    EXPECT_EQ(plain.output.width, 640);
    EXPECT_EQ(plain.output.height, 480);
    EXPECT_FALSE(plain.output.Exporting());
}

TEST(ExportOptions, RefusesSizesOutOfRangeAndSpansItCannotExport) {
    const std::string sizeError = "--size wants WxH from 64x48 to 7680x4320, not ";
    for (const char* size : {"63x48", "64x47", "7681x4320", "7680x4321", "640", "640x", "x480",
                             "640x480x", "-640x480", "640*480"}) {
        EXPECT_EQ(test::CaptureOptionsError({"--size", size, "show"}), sizeError + size);
    }
    EXPECT_EQ(test::CaptureOptionsError({"--video", "a.mp4", "--at", "1", "show"}),
              "--at does not go with --video or --wav, which export every frame");
    EXPECT_EQ(test::CaptureOptionsError({"--wav", "a.wav", "--at", "1", "show"}),
              "--at does not go with --video or --wav, which export every frame");
    EXPECT_EQ(test::CaptureOptionsError({"--video", "a.mp4", "--size", "641x480", "show"}),
              "--video needs an even width and height");
    EXPECT_EQ(test::CaptureOptionsError({"show", "--video"}), "--video needs a value");
}

TEST(ExportOptions, SpanRunsFromFromUpToToOrTheWholeShow) {
    const CaptureOptions whole = Options({"--video", "a.mp4", "show"});
    // The frame at exactly 3 s is the one in which the player finds the show over.
    const long end = ShowEndFrame(whole, 3.0f);
    EXPECT_EQ(end, 90);
    EXPECT_EQ(PlanExport(whole, end).first, 0);
    EXPECT_EQ(PlanExport(whole, end).end, 90);

    const CaptureOptions ranged =
        Options({"--fps", "25", "--from", "1.01", "--to", "2", "--video", "a.mp4", "show"});
    EXPECT_EQ(PlanExport(ranged, 1000).first, 26);  // the first frame at or after 1.01 s
    EXPECT_EQ(PlanExport(ranged, 1000).end, 50);    // 2 s itself is not exported
    EXPECT_EQ(PlanExport(ranged, 40).end, 40);      // cut where the show ends
    EXPECT_EQ(PlanExport(ranged, 20).end, 20);
    EXPECT_EQ(PlanExport(ranged, 20).first, 20);  // nothing left to export

    // At 7 frames a second, frame 4 (571 ms) is the first at or past half a second.
    EXPECT_EQ(ShowEndFrame(Options({"--fps", "7", "show"}), 0.5f), 4);
    EXPECT_EQ(ShowEndFrame(whole, 0.0f), 0);
}
