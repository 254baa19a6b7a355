// The preview's watch on a production's files, on a real folder: saves are told once
// they have settled, files still being written wait longer, and what is not the
// production's is left out.
#include "preview/SourceWatcher.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "TestSupport.h"

TEST(SourceWatcher, ToldOnceWhenTheProductionsFilesSettle) {
    const test::TempDir dir;
    test::WriteFile(dir / "data/show.xml", "<Nimbus/>");
    SourceWatcher watcher;
    ASSERT_TRUE(watcher.Start(dir.Path() + "/", "show"));
    uint64_t now = 1000;
    EXPECT_FALSE(watcher.ChangesSettled(now));

    // A save, closed after writing: told after the short settling time, once.
    test::WriteFile(dir / "data/show.xml", "<Nimbus></Nimbus>");
    EXPECT_FALSE(watcher.ChangesSettled(now));
    EXPECT_FALSE(watcher.ChangesSettled(now + SourceWatcher::kSettleMs - 1));
    EXPECT_TRUE(watcher.ChangesSettled(now + SourceWatcher::kSettleMs));
    EXPECT_FALSE(watcher.ChangesSettled(now + 10 * SourceWatcher::kSettleMs));

    // Editors' scratch files and other files beside the production are not its own.
    test::WriteFile(dir / "data/.show.xml.swp", "scratch");
    test::WriteFile(dir / "data/show.xml~", "backup");
    test::WriteFile(dir / "nimbus.log", "log");
    test::WriteFile(dir / "other.dat", "another production");
    now += 10000;
    EXPECT_FALSE(watcher.ChangesSettled(now));
    EXPECT_FALSE(watcher.ChangesSettled(now + SourceWatcher::kOpenWriteSettleMs));

    // A file still open for writing waits the longer time; closing it is a save.
    FILE* picture = fopen((dir / "data/picture.tga").c_str(), "wb");
    ASSERT_NE(picture, nullptr);
    fputs("half", picture);
    fflush(picture);
    now += 10000;
    EXPECT_FALSE(watcher.ChangesSettled(now));
    EXPECT_FALSE(watcher.ChangesSettled(now + SourceWatcher::kSettleMs));
    fclose(picture);
    now += 2 * SourceWatcher::kSettleMs;
    EXPECT_FALSE(watcher.ChangesSettled(now));
    EXPECT_TRUE(watcher.ChangesSettled(now + SourceWatcher::kSettleMs));

    // A folder made later is watched with what goes into it, and so is the archive.
    std::filesystem::create_directories(dir / "data/images");
    now += 10000;
    watcher.ChangesSettled(now);
    EXPECT_TRUE(watcher.ChangesSettled(now + SourceWatcher::kOpenWriteSettleMs));
    test::WriteFile(dir / "data/images/logo.tga", "logo");
    now += 10000;
    watcher.ChangesSettled(now);
    EXPECT_TRUE(watcher.ChangesSettled(now + SourceWatcher::kSettleMs));
    test::WriteFile(dir / "show.dat", "archive");
    now += 10000;
    watcher.ChangesSettled(now);
    EXPECT_TRUE(watcher.ChangesSettled(now + SourceWatcher::kSettleMs));
}
