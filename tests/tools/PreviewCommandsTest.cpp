// The preview's command line and the lines of its command channel, read without a
// display.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "preview/PreviewCommands.h"
#include "preview/PreviewOptions.h"

namespace {

using Kind = PreviewCommand::Kind;

bool Parse(std::vector<std::string> arguments, PreviewOptions* options, std::string* error) {
    std::vector<char*> argv = {const_cast<char*>("nimbus-preview")};
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    return ParsePreviewOptions(static_cast<int>(argv.size()), argv.data(), options, error);
}

std::string Refusal(std::vector<std::string> arguments) {
    PreviewOptions options;
    std::string error;
    EXPECT_FALSE(Parse(std::move(arguments), &options, &error));
    return error;
}

}  // namespace

TEST(PreviewOptions, ReadsTimesLoopsAndTheCommandChannelAndRefusesWhatItCannotUse) {
    PreviewOptions options;
    std::string error;
    ASSERT_TRUE(
        Parse({"--at", "20.5", "--loop", "16", "24", "--commands", "dir/show"}, &options, &error))
        << error;
    EXPECT_EQ(options.atMilliseconds, 20500);
    EXPECT_TRUE(options.loop);
    EXPECT_EQ(options.loopFrom, 16000);
    EXPECT_EQ(options.loopTo, 24000);
    EXPECT_TRUE(options.commands);
    EXPECT_EQ(options.path, "dir/show");
    PreviewOptions looping;
    ASSERT_TRUE(Parse({"--loop", "16", "24", "show"}, &looping, &error));
    EXPECT_EQ(looping.atMilliseconds, 16000);

    EXPECT_EQ(Refusal({}), "no production named");
    EXPECT_EQ(Refusal({"--at"}), "--at needs a time");
    EXPECT_EQ(Refusal({"--loop", "1"}), "--loop needs two times");
    EXPECT_EQ(Refusal({"--at", "-1", "show"}), "--at wants a time in seconds, not -1");
    EXPECT_EQ(Refusal({"--at", "nan", "show"}), "--at wants a time in seconds, not nan");
    EXPECT_NE(Refusal({"--loop", "24", "16", "show"}).find("the first before the second"),
              std::string::npos);
    EXPECT_EQ(Refusal({"--fps", "show"}), "unknown option --fps");
    EXPECT_EQ(Refusal({"a", "b"}), "one production only, not a and b");
}

TEST(PreviewCommands, ReadsEveryCommandAndSaysWhatIsWrongWithTheRest) {
    const PreviewCommand seek = ParseCommand("  seek -2.5\r");
    EXPECT_EQ(seek.kind, Kind::kSeek);
    EXPECT_EQ(seek.number, -2500);
    EXPECT_EQ(ParseCommand("step").number, 1);
    EXPECT_EQ(ParseCommand("step -3").number, -3);
    const PreviewCommand part = ParseCommand("part  Spheres ");
    EXPECT_EQ(part.kind, Kind::kPart);
    EXPECT_EQ(part.text, "Spheres");
    const PreviewCommand snap = ParseCommand("snap frames/a b.png");
    EXPECT_EQ(snap.kind, Kind::kSnap);
    EXPECT_EQ(snap.text, "frames/a b.png");
    const std::pair<const char*, Kind> plain[] = {{"pause", Kind::kPause},
                                                  {"play", Kind::kPlay},
                                                  {"reload", Kind::kReload},
                                                  {"time", Kind::kTime},
                                                  {"quit", Kind::kQuit}};
    for (const auto& [line, kind] : plain) {
        EXPECT_EQ(ParseCommand(line).kind, kind) << line;
    }

    const std::pair<const char*, const char*> refused[] = {
        {"jump 3", "unknown command 'jump'"},
        {"", "empty command"},
        {"seek", "seek wants a time in seconds, not ''"},
        {"seek 1e9", "seek wants a time in seconds, not '1e9'"},
        {"step 1.5", "step wants a whole number of frames, not '1.5'"},
        {"part", "part wants the name of a part"},
        {"snap ", "snap wants the name of a PNG file"},
        {"pause now", "pause takes nothing after it"},
    };
    for (const auto& [line, reason] : refused) {
        const PreviewCommand command = ParseCommand(line);
        EXPECT_EQ(command.kind, Kind::kInvalid) << line;
        EXPECT_EQ(command.text, reason) << line;
    }
}
