#include "base/Con.h"

#include <gtest/gtest.h>

#include <string>

#include "TestSupport.h"

namespace {

std::string Buffer(const NCon& con) {
    return con.BufferText() ? con.BufferText() : "";
}

}  // namespace

TEST(Con, FormatsEveryKindWithItsPrefixAndCountsOnlyWarningsAndErrors) {
    NCon con("unused.log");
    con.EnableBuffer(true);
    con.Print("plain %d", 1);
    con.PrintLine("line %s", "two");
    con.Warning("careful");
    con.Error("broken %d%%", 100);
    EXPECT_EQ(Buffer(con), "plain 1line two\r\nWarning: careful\r\nError: broken 100%\r\n");
    EXPECT_EQ(con.ErrorCount(), 2);
}

TEST(Con, ReportPrefixesByKindAndAlwaysCounts) {
    NCon con("unused.log");
    con.EnableBuffer(true);
    con.Report(0, 0, "NBitmap", 0, "plain %s", "text");
    con.Report(1, 0, "NList", 0, "warned");
    con.Report(2, 0, nullptr, 0, "no source");
    con.Report(2, 0, "NBitmap", 0, "failed");
    con.ReportCode(7, "NTexture");
    con.ErrorFrom("NBitmap", "failed %d%%", 100);
    EXPECT_EQ(Buffer(con),
              "NBitmap: plain text\r\nWarning: NList: warned\r\nError: no source\r\n"
              "Error: NBitmap: failed\r\n[7][NTexture]: unspecified error\r\n"
              "Error: NBitmap: failed 100%\r\n");
    EXPECT_EQ(con.ErrorCount(), 6);
}

TEST(Con, PrintErrorCountLogsTheCountAndResetsIt) {
    NCon con("unused.log");
    con.EnableBuffer(true);
    con.Warning("a");
    con.Warning("b");
    con.Warning("c");
    con.PrintErrorCount();
    EXPECT_EQ(con.ErrorCount(), 0);
    EXPECT_NE(Buffer(con).find("3 errors\r\n"), std::string::npos);
}

TEST(Con, AcceptsMessagesOf1024CharactersAndDropsLongerOnesButCountsThem) {
    NCon con("unused.log");
    con.EnableBuffer(true);
    const std::string exact(1023, 'x');  // with the newline: 1024
    con.PrintLine("%s", exact.c_str());
    EXPECT_EQ(con.BufferLength(), 1025);
    const std::string tooLong(1024 - 7, 'y');  // "Error: " + text + newline = 1025
    con.Error("%s", tooLong.c_str());
    EXPECT_EQ(con.BufferLength(), 1025);
    EXPECT_EQ(con.ErrorCount(), 1);
    con.Print("%s", std::string(5000, 'z').c_str());
    EXPECT_EQ(con.BufferLength(), 1025);
}

TEST(Con, TrimKeepsTheNewestThirdBehindTheNotice) {
    NCon con("unused.log");
    con.SetBufferSize(3000);
    con.EnableBuffer(true);
    std::string old;
    for (int i = 0; i < 25; ++i) {
        const std::string chunk(100, static_cast<char>('a' + i));
        con.Print("%s", chunk.c_str());
        old += chunk;
    }
    ASSERT_EQ(con.BufferLength(), 2500);
    const std::string message(200, 'm');
    con.Print("%s", message.c_str());
    const std::string notice =
        "message buffer overflow.\r\nThe earliest messages are removed.\r\n"
        "---------------------------------------------\r\n";
    EXPECT_EQ(notice.size(), 109u);
    EXPECT_EQ(Buffer(con), notice + old.substr(2000) + message);
}

TEST(Con, BufferNeverOverflowsNearItsMinimumCapacity) {
    NCon con("unused.log");
    con.SetBufferSize(100);
    EXPECT_EQ(con.BufferCapacity(), 3000);
    con.EnableBuffer(true);
    const std::string lines(511, '\n');  // doubles in the buffer
    for (int i = 0; i < 50; ++i) {
        con.Print("%s", lines.c_str());
        ASSERT_LT(con.BufferLength(), con.BufferCapacity());
    }
}

TEST(Con, SetBufferSizeEmptiesAnEnabledBuffer) {
    NCon con("unused.log");
    con.EnableBuffer(true);
    con.Print("lost");
    con.SetBufferSize(5000);
    EXPECT_EQ(con.BufferCapacity(), 5000);
    EXPECT_EQ(Buffer(con), "");
}

TEST(Con, FileGetsTheSeparatorOnceAndEveryMessageUnchanged) {
    test::TempDir dir;
    const std::string path = dir / "nimbus.log";
    {
        NCon con(path.c_str());
        con.AttachFile(true);
        con.AttachFile(true);
        con.PrintLine("100%% sure");
        EXPECT_EQ(test::ReadFile(path),
                  "\n------------------------------------------------\n\n100% sure\n");
        con.AttachFile(false);
        con.PrintLine("not in the file");
    }
    {
        NCon con(path.c_str());
        con.AttachFile(true);
        con.Error("appended");
    }
    EXPECT_EQ(test::ReadFile(path),
              "\n------------------------------------------------\n\n100% sure\n"
              "\n------------------------------------------------\n\nError: appended\n");
}

TEST(Con, UnopenableFileLeavesTheOtherOutputs) {
    NCon con("/nonexistent-folder/nimbus.log");
    con.EnableBuffer(true);
    con.AttachFile(true);
    con.PrintLine("still here");
    EXPECT_EQ(Buffer(con), "still here\r\n");
}

TEST(Con, ProblemsReachTheProblemStreamWithTheirPlaceAndRepeatsFold) {
    char* streamed = nullptr;
    size_t streamedSize = 0;
    FILE* problems = open_memstream(&streamed, &streamedSize);
    NCon con("unused.log");
    con.EnableBuffer(true);
    con.SetProblemStream(problems);
    con.SetPlace("show.xml", 12);
    con.PrintLine("plain stays in the log");
    con.Warning("careful");
    con.Notice("number read as 3");
    con.SetPlace(nullptr, 0);
    con.ErrorFrom("NBitmap", "broken");
    con.NoticeText("\nShader Compilation Results:\n");
    EXPECT_EQ(con.ErrorCount(), 2);
    EXPECT_EQ(con.WarningCount(), 1);
    EXPECT_EQ(con.NoticeCount(), 1);
    // Where notices count, they are warnings; a block of text never counts.
    con.SetCountNotices(true);
    con.Notice("a file is missing");
    con.NoticeText("log text");
    EXPECT_EQ(con.ErrorCount(), 3);
    EXPECT_EQ(con.WarningCount(), 2);
    EXPECT_EQ(con.NoticeCount(), 2);

    // Folded: the first of each is written, the rest counted and summed up at the end.
    con.BeginFoldingRepeats();
    for (int frame = 0; frame < 3; ++frame) {
        con.Error("NCamera %p: no target\n", static_cast<void*>(&con));
        con.PrintLine("Missing Shader Constant: Texture1");
    }
    con.Error("once");
    con.EndFoldingRepeats();
    con.Error("once");  // no longer folded
    EXPECT_EQ(con.ErrorCount(), 8);
    fclose(problems);
    const std::string stream(streamed, streamedSize);
    free(streamed);

    char camera[64];
    snprintf(camera, sizeof camera, "Error: NCamera %p: no target", static_cast<void*>(&con));
    const std::string folded =
        std::string(camera) + "\n\nError: once\n" + camera + " (repeated 2 times)\nError: once\n";
    EXPECT_EQ(stream,
              "Warning: show.xml:12: careful\nshow.xml:12: number read as 3\n"
              "Error: NBitmap: broken\n\nShader Compilation Results:\n"
              "Warning: a file is missing\nlog text" +
                  folded);
    std::string log = Buffer(con);
    for (size_t at = log.find('\r'); at != std::string::npos; at = log.find('\r')) {
        log.erase(at, 1);
    }
    EXPECT_NE(log.find("plain stays in the log\n"), std::string::npos);
    EXPECT_NE(log.find(std::string(camera) +
                       "\n\nMissing Shader Constant: Texture1\nError: once\n" + camera +
                       " (repeated 2 times)\nMissing Shader Constant: Texture1 (repeated 2 "
                       "times)\nError: once\n"),
              std::string::npos)
        << log;
}
