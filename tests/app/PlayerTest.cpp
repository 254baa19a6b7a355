// The real player, copied under a production's name into a folder of its own.
#include <gtest/gtest.h>

#include <string>

#include "TestSupport.h"

namespace {

const char kSeparator[] = "\n------------------------------------------------\n\n";

}  // namespace

TEST(Player, WritesNoLogWithoutArgumentsOrWithTwoCharacters) {
    test::TempDir dir;
    test::RunPlayer(dir.Path(), "show", "");
    test::RunPlayer(dir.Path(), "show", "ab");
    EXPECT_FALSE(test::FileExists(dir / "nimbus.log"));
    test::RunPlayer(dir.Path(), "show", "a b");  // joined: 3 characters
    EXPECT_TRUE(test::FileExists(dir / "nimbus.log"));
}

TEST(Player, LongArgumentAppendsALogThatBeginsWithTheSeparator) {
    test::TempDir dir;
    test::RunPlayer(dir.Path(), "show", "log");
    const std::string first = test::ReadFile(dir / "nimbus.log");
    EXPECT_EQ(first.rfind(kSeparator, 0), 0u);
    test::RunPlayer(dir.Path(), "show", "log");
    EXPECT_EQ(test::ReadFile(dir / "nimbus.log").rfind(first, 0), 0u);
}
