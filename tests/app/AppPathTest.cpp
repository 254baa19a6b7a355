#include "app/AppPath.h"

#include <gtest/gtest.h>

namespace {

std::pair<std::string, std::string> Split(const char* path) {
    std::string directory, name;
    SplitAppPath(path, &directory, &name);
    return {directory, name};
}

}  // namespace

TEST(AppPath, SplitsDirectoryWithItsSeparatorFromTheNameBeforeTheFirstDot) {
    EXPECT_EQ(Split("/opt/demos/show"),
              std::make_pair(std::string("/opt/demos/"), std::string("show")));
    EXPECT_EQ(Split("/x/show.final.bin").second, "show");
    EXPECT_EQ(Split("./show").first, "./");
    EXPECT_EQ(Split("my.demos/new folder/show").first, "my.demos/new folder/");
}

TEST(AppPath, PathWithoutSeparatorHasAnEmptyDirectory) {
    EXPECT_EQ(Split("show"), std::make_pair(std::string(""), std::string("show")));
}

TEST(AppPath, MakeAppPathStripsOnePairOfQuotes) {
    SetExecutablePath("/games/show");
    EXPECT_STREQ(GetAppDirectory(), "/games/");
    EXPECT_STREQ(GetAppName(), "show");
    EXPECT_EQ(MakeAppPath("data"), "/games/data");
    EXPECT_EQ(MakeAppPath("\"data\""), "/games/data");
    EXPECT_EQ(MakeAppPath("\"\""), "/games/");
    EXPECT_EQ(MakeAppPath("\""), "/games/");
}
