#include "image/JPGFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "base/Con.h"
#include "image/ImageTestSupport.h"

using namespace imagetest;

namespace {

// The mean and the largest difference between two blocks of the same size.
std::pair<double, int> Difference(const Bytes& a, const Bytes& b) {
    double sum = 0.0;
    int largest = 0;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
        sum += std::abs(a[i] - b[i]);
        largest = std::max(largest, std::abs(a[i] - b[i]));
    }
    return {sum / static_cast<double>(std::max<size_t>(a.size(), 1)), largest};
}

// A smooth picture, which JPEG keeps closely.
Bytes Gradient(int width, int height, int bytesPerPixel) {
    Bytes bytes;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            for (int channel = 0; channel < bytesPerPixel; ++channel) {
                bytes.push_back(static_cast<unsigned char>(x * 3 + y * 4 + channel * 20));
            }
        }
    }
    return bytes;
}

// The lines of a read or write that ended in the library's error path.
void ExpectRecovered(const char* operation, const Lines& after) {
    const Lines lines = LogLines();
    ASSERT_EQ(lines.size(), 4 + after.size());
    EXPECT_EQ(lines[0], "JPG error");
    EXPECT_EQ(lines[1].rfind("JPG: ", 0), 0u) << lines[1];  // the library's reason
    EXPECT_EQ(lines[2], "JPG " + std::string(operation) + ": recovery from error");
    EXPECT_EQ(lines[3], "JPG " + std::string(operation) + ": quit");
    EXPECT_EQ(Lines(lines.begin() + 4, lines.end()), after);
}

}  // namespace

TEST(JPGTestImages, ColourFilesLoadAsRgbAndGreyFilesAsGrey) {
    auto images = TestImages();
    auto reference = images.Load("testorig.jpg");
    EXPECT_EQ(reference->Width, 227);
    EXPECT_EQ(reference->Height, 149);
    EXPECT_EQ(reference->Layout, (NBitmapLayout{B24, RGB, LEFT, UP}));
    // The same picture coded otherwise: integer DCT, progressive, arithmetic coding.
    for (const char* name : {"testimgint.jpg", "progressive.jpg", "testimgari.jpg"}) {
        auto bitmap = images.Load(name);
        EXPECT_EQ(bitmap->Layout, reference->Layout) << name;
        const auto [mean, largest] = Difference(PixelsOf(*bitmap), PixelsOf(*reference));
        EXPECT_LT(mean, 1.0) << name;
        EXPECT_LE(largest, 32) << name;
    }
    auto grey = images.Load("gray.jpg");
    EXPECT_EQ(grey->Width * grey->Height, 227 * 149);
    EXPECT_EQ(grey->Layout, (NBitmapLayout{B08, GRAY, LEFT, UP}));
    EXPECT_EQ(Con.ErrorCount(), 0);
}

TEST(JPGTestImages, FilesTheLibraryRejectsGoThroughTheRecoveryPath) {
    auto images = TestImages();
    for (const char* name : {"cmyk.jpg", "monkey12.jpg", "notjpeg.jpg"}) {
        SCOPED_TRACE(name);
        ClearLog();
        const int before = Con.ErrorCount();
        EXPECT_EQ(images.Load(name)->Pixels, nullptr);
        ExpectRecovered("read", {"Error: NBitmap: can not load <" + std::string(name) + ">"});
        EXPECT_EQ(Con.ErrorCount() - before, 1);  // only the load error counts
    }
}

// A file that ends early is refused, not padded with made-up lines.
TEST(JPGTestImages, TruncatedFilesAreRefusedFromFolderAndArchive) {
    Con.EnableBuffer(true);
    auto images = TestImages();
    ImageStore archive{"testorig.jpg", "truncated.jpg"};
    auto whole = images.Load("testorig.jpg");
    EXPECT_EQ(whole->Width * whole->Height, 227 * 149);
    EXPECT_EQ(PixelsOf(*LoadFrom(archive.Stream(), "testorig.jpg")), PixelsOf(*whole));
    EXPECT_EQ(Con.ErrorCount(), 0);
    for (NData* stream : {&images.Stream(), &archive.Stream()}) {
        ClearLog();
        EXPECT_EQ(LoadFrom(*stream, "truncated.jpg")->Pixels, nullptr);
        const Lines lines = LogLines();
        ASSERT_GE(lines.size(), 2u);
        EXPECT_EQ(lines[lines.size() - 2], "JPG read: the file ends before its last line");
        EXPECT_EQ(lines.back(), "Error: NBitmap: can not load <truncated.jpg>");
    }
    EXPECT_EQ(Con.ErrorCount(), 2);
}

TEST(JPGFileTest, HugeDeclaredSizesAreRefusedBeforeDecoding) {
    Con.EnableBuffer(true);
    ImageStore folder;
    std::string file = test::ReadFile(ImageStore::TestImage("testorig.jpg"));
    const size_t frame = file.find("\xFF\xC0");  // baseline frame header
    ASSERT_NE(frame, std::string::npos);
    file[frame + 7] = static_cast<char>(20000 >> 8);  // width, big-endian
    file[frame + 8] = static_cast<char>(20000 & 0xFF);
    test::WriteFile(folder / "huge.jpg", file);
    EXPECT_EQ(folder.Load("huge.jpg")->Pixels, nullptr);
    EXPECT_EQ(LogLines(), (Lines{"Error: NJPGFile: <huge.jpg> declares 20000x149 pixels; "
                                 "an image may have 1 to 8192 a side and 16777216 in all",
                                 "Error: NBitmap: can not load <huge.jpg>"}));
}

TEST(JPGFileTest, EveryLayoutRoundTripsClosely) {
    ImageStore folder;
    for (const NBitmapLayout layout : {NBitmapLayout{B24, RGB, LEFT, UP},
                                       {B24, BGR, RIGHT, DOWN},
                                       {B32, RGB, LEFT, DOWN},
                                       {B32, BGR, RIGHT, UP},
                                       {B08, GRAY, RIGHT, DOWN}}) {
        SCOPED_TRACE(testing::Message()
                     << layout.Depth << layout.Order << layout.Columns << layout.Rows);
        const bool grey = layout.Order == GRAY;
        const Bytes original = Gradient(32, 16, BytesPerPixel(layout.Depth));
        auto bitmap = MakeBitmap(32, 16, layout, original);
        ASSERT_EQ(folder.Write<NJPGFile>(*bitmap, "round.jpg"), 0);
        const NBitmapLayout stored{grey ? B08 : B24, grey ? GRAY : RGB, LEFT, UP};
        EXPECT_EQ(bitmap->Layout, stored);  // converted in place
        auto back = folder.Load("round.jpg");
        EXPECT_EQ(back->Layout, stored);
        const auto [mean, largest] = Difference(PixelsOf(*back), PixelsOf(*bitmap));
        EXPECT_LT(mean, 2.0);
        EXPECT_LE(largest, 16);
    }
}

TEST(JPGFileTest, WritesThatCannotSucceedAreRefused) {
    Con.EnableBuffer(true);
    ImageStore folder;
    auto deepGrey = MakeBitmap(2, 2, {B24, GRAY, LEFT, UP}, Bytes(12));
    EXPECT_EQ(folder.Write<NJPGFile>(*deepGrey, "grey.jpg"), 1);
    EXPECT_EQ(LogLines(), Lines{"Warning: invalid greyscale NBitmap"});

    ClearLog();
    auto bitmap = MakeBitmap(64, 64, {B24, RGB, LEFT, UP}, Pattern(64 * 64 * 3));
    NData idle(NData::kInput);  // never opened for writing
    EXPECT_EQ(NJPGFile(bitmap.get(), &idle).Write(), 1);
    ExpectRecovered("write", {});
}
