// The real player, copied under a production's name into a folder of its own.
#include <gtest/gtest.h>

#include <string>

#include "PlayHarness.h"
#include "TestSupport.h"
#include "pack/Pack.h"

namespace {

const char kSeparator[] = "\n------------------------------------------------\n\n";

}  // namespace

TEST(Player, WritesNoLogWithoutArgumentsOrWithTwoCharacters) {
    test::TempDir dir;
    playtest::RunPlayer(dir.Path(), "");
    playtest::RunPlayer(dir.Path(), "ab");
    EXPECT_FALSE(test::FileExists(dir / "nimbus.log"));
    playtest::RunPlayer(dir.Path(), "a b");  // joined: 3 characters
    EXPECT_TRUE(test::FileExists(dir / "nimbus.log"));
}

TEST(Player, LongArgumentAppendsALogThatBeginsWithTheSeparator) {
    test::TempDir dir;
    playtest::RunPlayer(dir.Path(), "log");
    const std::string first = test::ReadFile(dir / "nimbus.log");
    EXPECT_EQ(first.rfind(kSeparator, 0), 0u);
    playtest::RunPlayer(dir.Path(), "log");
    EXPECT_EQ(test::ReadFile(dir / "nimbus.log").rfind(first, 0), 0u);
}

namespace {

// Runs the player `show` on a data folder holding `document` as show.xml.
int PlayDocument(const test::TempDir& dir, const std::string& document, std::string* log) {
    test::WriteFile(dir / "data/show.xml", document);
    const int code = playtest::RunPlayer(dir.Path(), "log");
    *log = test::ReadFile(dir / "nimbus.log");
    return code;
}

bool Has(const std::string& log, const std::string& text) {
    return log.find(text) != std::string::npos;
}

}  // namespace

TEST(Player, SoundDocumentWithADemoCompilesAndTearsDown) {
    test::TempDir dir;
    std::string log;
    EXPECT_EQ(PlayDocument(dir, "<Nimbus><Demo Name=\"D\"/></Nimbus>", &log), 0) << log;
    EXPECT_TRUE(Has(log, "NClassRegistration: 59 Classes, 89 Members\n")) << log;
    EXPECT_TRUE(Has(log, "Destroy: Remnant objects: DISABLED\nDestroy: Done.\n")) << log;
}

TEST(Player, DocumentThatFailsToLoadEndsWithCode1) {
    test::TempDir dir;
    std::string log;
    EXPECT_EQ(PlayDocument(dir, "<Nimbus>\n  <Demo Name=\"D\">\n</Nimbus>\n", &log), 1);
    EXPECT_TRUE(Has(log, "failed to load the document <show.xml>\n")) << log;
    EXPECT_TRUE(Has(log, "line 3")) << log;
    EXPECT_TRUE(Has(log, "NCon Failed:\n")) << log;
}

TEST(Player, DocumentThatFailsToCompileEndsWithCode1) {
    test::TempDir dir;
    std::string log;
    EXPECT_EQ(
        PlayDocument(dir, "<Nimbus><Demo Name=\"D\"><Nope Role=\"x\"/></Demo></Nimbus>", &log), 1);
    EXPECT_TRUE(Has(log, "Warning: show.xml:1: unknown class [Nope]\n")) << log;
    EXPECT_TRUE(Has(log, "failed to compile document\n")) << log;
}

TEST(Player, EmptyDocumentsAndDocumentsWithoutADemoAreNotFailures) {
    test::TempDir dir;
    std::string log;
    EXPECT_EQ(PlayDocument(dir, "<Nimbus></Nimbus>", &log), 0);
    EXPECT_TRUE(Has(log, "empty document\n")) << log;
    EXPECT_EQ(PlayDocument(dir, "<Nimbus><Float Name=\"F\">1</Float></Nimbus>", &log), 0);
    EXPECT_TRUE(Has(log, "can not play document, class \"Demo\" is not found\n")) << log;
}

TEST(Player, MissingDocumentIsAFailureToLoad) {
    test::TempDir dir;
    EXPECT_EQ(playtest::RunPlayer(dir.Path(), "log"), 1);
    const std::string log = test::ReadFile(dir / "nimbus.log");
    EXPECT_TRUE(Has(log, "NStdIO::Load: file [show.xml] not found\n")) << log;
    EXPECT_TRUE(Has(log, "failed to load the document <show.xml>\n")) << log;
}

TEST(Player, ArchiveWinsOverTheDataFolderAndSaysSo) {
    test::TempDir dir;
    test::WriteFile(dir / "pack/show.xml", "<Nimbus></Nimbus>");
    std::string error;
    ASSERT_EQ(PackDirectory(dir / "pack", dir / "show.dat", &error), 0) << error;
    test::WriteFile(dir / "data/show.xml", "<Nimbus><Float Name=\"F\">1</Float></Nimbus>");
    std::string output;
    EXPECT_EQ(playtest::RunPlayer(dir.Path(), "log", &output), 0);
    const std::string log = test::ReadFile(dir / "nimbus.log");
    EXPECT_TRUE(Has(log, "empty document\n"));
    // A note, which does not count, on standard error too.
    const char note[] = "./show.dat hides the folder ./data beside it: the archive is played\n";
    EXPECT_TRUE(Has(log, note)) << log;
    EXPECT_TRUE(Has(output, note)) << output;
    EXPECT_TRUE(Has(output, "./show: 0 errors, 0 warnings, 1 note; the full log is in nimbus.log"))
        << output;
}

TEST(Player, CorruptArchiveFallsBackToTheDataFolder) {
    test::TempDir dir;
    test::WriteFile(dir / "show.dat", "not a zip archive");
    std::string log;
    EXPECT_EQ(PlayDocument(dir, "<Nimbus></Nimbus>", &log), 0);
    EXPECT_TRUE(Has(log, "empty document\n")) << log;
}
