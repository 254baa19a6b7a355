#include "io/StdIO.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "TestSupport.h"
#include "base/Con.h"
#include "io/Data.h"

namespace {

std::string LoadText(NIO& io, const char* name, int* result) {
    unsigned char* buffer = nullptr;
    *result = io.Load(name, &buffer);
    std::unique_ptr<unsigned char[]> owned(buffer);
    return *result > 0 ? std::string(reinterpret_cast<char*>(buffer), *result) : "";
}

}  // namespace

TEST(StdIO, ComposesMountedPathAndNameWithSlashes) {
    char out[kNameAreaSize];
    ASSERT_TRUE(ComposePath("data", "a\\b.txt", out, sizeof out));
    EXPECT_STREQ(out, "data/a/b.txt");
    ASSERT_TRUE(ComposePath("", "a\\b.txt", out, sizeof out));
    EXPECT_STREQ(out, "a/b.txt");
}

TEST(StdIO, BackslashNamesAndOtherLetterCaseFindTheFile) {
    test::TempDir dir;
    test::WriteFile(dir / "Images/Logo.tga", "logo");
    NStdIO io;
    io.Mount(kDirectoryMode, dir.Path().c_str());
    int result = 0;
    EXPECT_EQ(LoadText(io, "images\\LOGO.TGA", &result), "logo");
    EXPECT_EQ(result, 4);
}

TEST(StdIO, EmptyMountPathReadsRelativeToTheCurrentFolder) {
    test::TempDir dir;
    test::WriteFile(dir / "a/b.txt", "hello");
    test::ChangeDir here(dir.Path());
    NStdIO io;
    io.Mount(kDirectoryMode, "");
    int result = 0;
    EXPECT_EQ(LoadText(io, "a\\b.txt", &result), "hello");
}

TEST(StdIO, MissingFileIsAPlainLineThatDoesNotCount) {
    test::TempDir dir;
    Con.EnableBuffer(true);
    NStdIO io;
    io.Mount(kDirectoryMode, dir.Path().c_str());
    unsigned char* buffer = nullptr;
    EXPECT_EQ(io.Load("missing.xml", &buffer), -1);
    EXPECT_EQ(io.OpenRead("missing.xml"), 1);
    EXPECT_STREQ(Con.BufferText(),
                 "NStdIO::Load: file [missing.xml] not found\r\n"
                 "NStdIO::OpenRead: file [missing.xml] not found\r\n");
    EXPECT_EQ(Con.ErrorCount(), 0);
}

TEST(StdIO, EmptyFileLoadsAsZeroBytesWithAValidBuffer) {
    test::TempDir dir;
    test::WriteFile(dir / "empty", "");
    NStdIO io;
    io.Mount(kDirectoryMode, dir.Path().c_str());
    unsigned char* buffer = nullptr;
    EXPECT_EQ(io.Load("empty", &buffer), 0);
    EXPECT_NE(buffer, nullptr);
    delete[] buffer;
}

TEST(StdIO, SaveWritesAndOpenReadStreams) {
    test::TempDir dir;
    NStdIO io;
    io.Mount(kDirectoryMode, dir.Path().c_str());
    unsigned char bytes[] = {1, 2, 3, 4, 5};
    unsigned char* source = bytes;
    EXPECT_EQ(io.Save("out.bin", &source, 5), 5);
    ASSERT_EQ(io.OpenRead("OUT.BIN"), 0);
    unsigned char target[3] = {};
    EXPECT_EQ(io.Remaining(), 5);
    EXPECT_EQ(io.Skip(1), 0);
    EXPECT_EQ(io.Read(target, 3), 0);
    EXPECT_EQ(target[2], 4);
    EXPECT_EQ(io.Remaining(), 1);
    EXPECT_EQ(io.Read(target, 3), 1);  // only one byte is left
    EXPECT_EQ(io.Skip(10), 0);
    EXPECT_EQ(io.Remaining(), 0);  // a skip past the end leaves nothing, not less
    unsigned char* buffer = nullptr;
    EXPECT_EQ(io.Load("out.bin", &buffer), -1);  // a file is open
    EXPECT_EQ(io.CloseFile(), 0);
}

TEST(StdIO, OverlongNamesAreRefusedWithoutOverrun) {
    test::TempDir dir;
    NStdIO io;
    io.Mount(kDirectoryMode, dir.Path().c_str());
    const std::string name(1023, 'n');
    unsigned char* buffer = nullptr;
    EXPECT_EQ(io.Load(name.c_str(), &buffer), -1);
    EXPECT_EQ(io.OpenRead(std::string(5000, 'x').c_str()), 1);
    unsigned char* source = buffer;
    EXPECT_EQ(io.Save(name.c_str(), &source, 0), -1);
}
