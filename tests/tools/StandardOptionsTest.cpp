// --help and --version as the tools answer them, in process.
#include "cli/StandardOptions.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "capture/Capture.h"
#include "capture/CaptureOptions.h"
#include "check/Check.h"
#include "preview/Preview.h"
#include "preview/PreviewOptions.h"

namespace {

// Runs a tool's main on `arguments` and returns what it printed on standard output.
std::string RunTool(int (*toolMain)(int, char**), std::vector<std::string> arguments,
                    int* exitCode) {
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    testing::internal::CaptureStdout();
    *exitCode = toolMain(static_cast<int>(argv.size()), argv.data());
    return testing::internal::GetCapturedStdout();
}

}  // namespace

TEST(StandardOptions, ToolsAnswerHelpAndVersionBeforeReadingTheirLine) {
    struct Tool {
        std::string name;
        int (*toolMain)(int, char**);
        const char* usage;
    };
    const Tool tools[] = {{"nimbus-check", CheckMain, kCheckUsage},
                          {"nimbus-capture", CaptureMain, kCaptureUsage},
                          {"nimbus-preview", PreviewMain, kPreviewUsage}};
    for (const Tool& tool : tools) {
        SCOPED_TRACE(tool.name);
        int exitCode = -1;
        // Wherever it stands, even beside options the tool would refuse.
        EXPECT_EQ(RunTool(tool.toolMain, {tool.name, "--bogus", "--help", "a", "b"}, &exitCode),
                  tool.usage);
        EXPECT_EQ(exitCode, 0);
        EXPECT_EQ(RunTool(tool.toolMain, {tool.name, "dir/show", "--version"}, &exitCode),
                  tool.name + " " + kNimbusVersion + "\n");
        EXPECT_EQ(exitCode, 0);
        // A line that asks for neither is the tool's own, and is refused as before.
        EXPECT_EQ(RunTool(tool.toolMain, {tool.name, "--bogus"}, &exitCode), "");
        EXPECT_EQ(exitCode, 2);
    }
    EXPECT_TRUE(std::regex_match(kNimbusVersion, std::regex("[0-9]+\\.[0-9]+\\.[0-9]+")))
        << kNimbusVersion;
}
