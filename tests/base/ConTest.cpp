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
