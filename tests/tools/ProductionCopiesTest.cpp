// The copies the preview loads productions from, on real folders.
#include "preview/ProductionCopies.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "TestSupport.h"

namespace fs = std::filesystem;

namespace {

// Points TMPDIR, where the copies go, at `folder` for the life of the object.
class TemporaryFolder {
  public:
    explicit TemporaryFolder(const std::string& folder) {
        const char* old = getenv("TMPDIR");
        had = old != nullptr;
        previous = old ? old : "";
        setenv("TMPDIR", folder.c_str(), 1);
    }
    ~TemporaryFolder() { had ? setenv("TMPDIR", previous.c_str(), 1) : unsetenv("TMPDIR"); }

  private:
    bool had = false;
    std::string previous;
};

std::string Read(const fs::path& path) {
    return test::ReadFile(path.string());
}

}  // namespace

TEST(ProductionCopies, CopyArchiveAndFolderAsTheyStandAndGoWhenNoLongerWanted) {
    const test::TempDir dir;
    const test::TempDir scratch;
    const TemporaryFolder copiesThere(scratch.Path());
    test::WriteFile(dir / "data/show.xml", "first");
    test::WriteFile(dir / "data/images/logo.tga", "logo");
    test::WriteFile(dir / "show.dat", "archive");
    std::string first;
    std::string second;
    {
        ProductionCopies copies(dir / "show.final");
        EXPECT_EQ(copies.Directory(), dir.Path() + "/");
        EXPECT_EQ(copies.Name(), "show");
        first = copies.Copy();
        ASSERT_EQ(fs::path(first).filename().string(), "show");
        const fs::path firstFolder = fs::path(first).parent_path();
        EXPECT_EQ(Read(firstFolder / "show.dat"), "archive");
        EXPECT_EQ(Read(firstFolder / "data/images/logo.tga"), "logo");

        // A later save reaches the next copy only.
        test::WriteFile(dir / "data/show.xml", "second");
        second = copies.Copy();
        EXPECT_NE(second, first);
        EXPECT_EQ(Read(firstFolder / "data/show.xml"), "first");
        EXPECT_EQ(Read(fs::path(second).parent_path() / "data/show.xml"), "second");

        copies.RemoveAllBut(second);
        EXPECT_FALSE(fs::exists(firstFolder));
        EXPECT_TRUE(fs::exists(fs::path(second).parent_path() / "show.dat"));
    }
    EXPECT_FALSE(fs::exists(second));
    EXPECT_TRUE(fs::is_empty(scratch.Path()));
}
