#include "io/ZipIO.h"

#include <gtest/gtest.h>
#include <zip.h>

#include <memory>
#include <string>

#include "TestSupport.h"
#include "base/Con.h"
#include "pack/Pack.h"

namespace {

// An archive made from a folder, as productions are packed.
class ZipIOTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::WriteFile(dir / "src/images/logo.jpg", "0123456789");
        test::WriteFile(dir / "src/show.xml", "<Demo/>");
        test::WriteFile(dir / "src/empty.txt", "");
        std::string error;
        ASSERT_EQ(PackDirectory(dir / "src", archive, &error), 0) << error;
        ASSERT_EQ(io.Mount(kArchiveMode, archive.c_str()), 0);
    }

    test::TempDir dir;
    std::string archive = dir / "show.dat";
    NZipIO io;
};

}  // namespace

TEST_F(ZipIOTest, FindsEntriesWhateverTheirCaseAndSlashes) {
    unsigned char* buffer = nullptr;
    ASSERT_EQ(io.Load("Images\\Logo.JPG", &buffer), 10);
    std::unique_ptr<unsigned char[]> owned(buffer);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), 10), "0123456789");
}

TEST_F(ZipIOTest, MissingEntriesArePlainLines) {
    Con.EnableBuffer(true);
    unsigned char* buffer = nullptr;
    EXPECT_EQ(io.Load("nothere.xml", &buffer), -1);
    EXPECT_EQ(io.OpenRead("nothere.xml"), 1);
    EXPECT_STREQ(Con.BufferText(),
                 "NZipIO::Load: file [nothere.xml] not found\r\n"
                 "NZipIO::Open: file [nothere.xml] not found\r\n");
    EXPECT_EQ(Con.ErrorCount(), 0);
}

TEST_F(ZipIOTest, ShortReadSucceedsAndReadingAtTheEndFails) {
    ASSERT_EQ(io.OpenRead("images/logo.jpg"), 0);
    char target[100] = {};
    EXPECT_EQ(io.Skip(2), 0);
    EXPECT_EQ(io.Read(target, 100), 0);
    EXPECT_STREQ(target, "23456789");
    EXPECT_EQ(io.Read(target, 100), 1);
    EXPECT_EQ(io.CloseFile(), 0);
}

TEST_F(ZipIOTest, EmptyEntryLoadsAsZeroBytes) {
    unsigned char* buffer = nullptr;
    EXPECT_EQ(io.Load("empty.txt", &buffer), 0);
    delete[] buffer;
}

TEST_F(ZipIOTest, ArchiveIsReadOnly) {
    unsigned char bytes[1] = {0};
    unsigned char* source = bytes;
    EXPECT_EQ(io.Save("new.txt", &source, 1), 1);
    EXPECT_EQ(io.OpenWrite("new.txt"), 1);
    EXPECT_EQ(io.Write(bytes, 1), 1);
}

TEST_F(ZipIOTest, OverlongEntryNameIsRefused) {
    unsigned char* buffer = nullptr;
    EXPECT_EQ(io.Load(std::string(2000, 'a').c_str(), &buffer), -1);
}

TEST(ZipIO, NonZipAndMissingArchivesDoNotMount) {
    test::TempDir dir;
    test::WriteFile(dir / "fake.dat", "this is not a zip archive at all");
    NZipIO io;
    EXPECT_EQ(io.Mount(kArchiveMode, (dir / "fake.dat").c_str()), 1);
    unsigned char* buffer = nullptr;
    EXPECT_EQ(io.Load("show.xml", &buffer), 1);
    EXPECT_EQ(io.Mount(kArchiveMode, (dir / "missing.dat").c_str()), 1);
    EXPECT_EQ(io.OpenRead("show.xml"), 1);
}

TEST(ZipIO, TruncatedArchiveDoesNotMount) {
    test::TempDir dir;
    test::WriteFile(dir / "src/a.txt", std::string(4000, 'a'));
    std::string error;
    ASSERT_EQ(PackDirectory(dir / "src", dir / "full.dat", &error), 0);
    const std::string whole = test::ReadFile(dir / "full.dat");
    test::WriteFile(dir / "cut.dat", whole.substr(0, whole.size() / 2));
    NZipIO io;
    EXPECT_EQ(io.Mount(kArchiveMode, (dir / "cut.dat").c_str()), 1);
}

TEST(ZipIO, EntryWhoseDataDoesNotMatchItsRecordIsRefused) {
    test::TempDir dir;
    const std::string path = dir / "bad.dat";
    // A stored (uncompressed) entry: its bytes lie in the archive as they are.
    zipFile out = zipOpen(path.c_str(), APPEND_STATUS_CREATE);
    zip_fileinfo info{};
    ASSERT_EQ(zipOpenNewFileInZip(out, "a.txt", &info, nullptr, 0, nullptr, 0, nullptr, 0, 0),
              ZIP_OK);
    const std::string text = "the original text";
    zipWriteInFileInZip(out, text.data(), text.size());
    zipCloseFileInZip(out);
    zipClose(out, nullptr);
    std::string bytes = test::ReadFile(path);
    const size_t at = bytes.find("original");
    ASSERT_NE(at, std::string::npos);
    bytes[at] = 'O';  // the checksum no longer matches
    test::WriteFile(path, bytes);

    NZipIO io;
    ASSERT_EQ(io.Mount(kArchiveMode, path.c_str()), 0);
    unsigned char* buffer = nullptr;
    EXPECT_EQ(io.Load("a.txt", &buffer), -1);
    EXPECT_EQ(Con.ErrorCount(), 0);
}

// The fuzz corpus's regression archives store "tune.ogg" under a directory that lies
// about its size: over 1000 times its compressed bytes, or more than it holds; one
// that declares 2 GiB takes the whole production past its budget.
TEST(ZipIOSizes, EntriesWhoseDeclaredSizeIsAbsurdOrWrongAreRefused) {
    Con.EnableBuffer(true);
    for (const char* name : {"regression-ratio-over-1000.dat", "regression-size-mismatch.dat"}) {
        SCOPED_TRACE(name);
        const std::string path = test::CorpusPath(std::string("zip/") + name);
        NZipIO io;
        ASSERT_EQ(io.Mount(kArchiveMode, path.c_str()), 0);
        EXPECT_EQ(io.Size("Show.XML"), 405);
        EXPECT_EQ(io.Size("missing.xml"), -1);
        unsigned char* buffer = nullptr;
        EXPECT_EQ(io.Load("tune.ogg", &buffer), -1);
        EXPECT_EQ(buffer, nullptr);
        const int size = io.Load("show.xml", &buffer);
        std::unique_ptr<unsigned char[]> owned(buffer);
        EXPECT_GT(size, 0);
    }
    const std::string whole = test::CorpusPath("zip/regression-declares-2gib.dat");
    NZipIO io;
    EXPECT_EQ(io.Mount(kArchiveMode, whole.c_str()), 1);
    EXPECT_EQ(io.Size("show.xml"), -1);
    EXPECT_EQ(std::string(Con.BufferText()),
              "Error: NZipIO: entry [tune.ogg] declares 3145728 bytes from 3065 stored "
              "bytes; refused\r\n"
              "NZipIO::Load: entry [tune.ogg] holds 3000 bytes where its directory "
              "declares 4500\r\n"
              "Error: NZipIO: archive <" +
                  whole +
                  "> declares 2147484053 bytes in all, more than the 1073741824 a "
                  "production may have\r\n");
    EXPECT_EQ(Con.ErrorCount(), 2);  // a short entry is damaged, which the loader reports
}

// Past the first block the buffer grows as the data comes, and the whole entry arrives.
TEST(ZipIOSizes, LargeEntriesLoadWholeAndTellWhatRemains) {
    test::TempDir dir;
    std::string content(300000, '\0');
    for (size_t i = 0; i < content.size(); ++i) {
        content[i] = static_cast<char>(i * 31 + (i >> 9));
    }
    test::WriteFile(dir / "src/big.raw", content);
    std::string error;
    ASSERT_EQ(PackDirectory(dir / "src", dir / "show.dat", &error), 0) << error;
    const std::string archive = dir / "show.dat";
    NZipIO io;
    ASSERT_EQ(io.Mount(kArchiveMode, archive.c_str()), 0);
    unsigned char* buffer = nullptr;
    ASSERT_EQ(io.Load("big.raw", &buffer), 300000);
    std::unique_ptr<unsigned char[]> owned(buffer);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), content.size()), content);
    EXPECT_EQ(io.Remaining(), -1);  // no entry open
    ASSERT_EQ(io.OpenRead("big.raw"), 0);
    EXPECT_EQ(io.Remaining(), 300000);
    EXPECT_EQ(io.Skip(1000), 0);
    EXPECT_EQ(io.Remaining(), 299000);
    EXPECT_EQ(io.CloseFile(), 0);
}
