#include "image/TGAFile.h"

#include <gtest/gtest.h>

#include "base/Con.h"
#include "image/ImageTestSupport.h"

using namespace imagetest;

namespace {

struct Header {
    int mapType = 0;
    int type = 2;
    int firstIndex = 0;
    int mapLength = 0;
    int entryBits = 0;
    int width = 1;
    int height = 1;
    int pixelBits = 24;
    int descriptor = 0;
};

// The 18 header bytes followed by `data`.
std::string File(const Header& h, const Bytes& data) {
    const int fields[] = {0,       h.mapType,   h.type,   h.firstIndex, -1,          h.mapLength,
                          -1,      h.entryBits, 0,        -1,           0,           -1,
                          h.width, -1,          h.height, -1,           h.pixelBits, h.descriptor};
    std::string bytes;
    for (int i = 0; i < 18; ++i) {
        const int value = fields[i] >= 0 ? fields[i] : fields[i - 1] >> 8;  // -1: high byte
        bytes += static_cast<char>(value & 0xFF);
    }
    return bytes + std::string(data.begin(), data.end());
}

Header ColourMapped(int first, int length) {
    Header h;
    h.type = 1;
    h.mapType = 1;
    h.firstIndex = first;
    h.mapLength = length;
    h.entryBits = 24;
    h.pixelBits = 8;
    return h;
}

const std::string kLoadError = "Error: NBitmap: can not load <made.tga>";

class TGAFileTest : public ::testing::Test {
  protected:
    void SetUp() override { Con.EnableBuffer(true); }
    std::unique_ptr<NBitmap> LoadBytes(const std::string& bytes) {
        ClearLog();
        test::WriteFile(folder / "made.tga", bytes);
        return folder.Load("made.tga");
    }

    ImageStore folder;
};

}  // namespace

TEST_F(TGAFileTest, EveryDepthOrderAndDirectionRoundTrips) {
    for (NBitmapLayout layout : {NBitmapLayout{B08, GRAY, LEFT, UP},
                                 {B24, RGB, LEFT, UP},
                                 {B24, BGR, LEFT, UP},
                                 {B32, RGB, LEFT, UP},
                                 {B32, BGR, LEFT, UP}}) {
        for (int columns : {LEFT, RIGHT}) {
            for (int rows : {UP, DOWN}) {
                layout.Columns = columns;
                layout.Rows = rows;
                SCOPED_TRACE(testing::Message() << layout.Depth << layout.Order << columns << rows);
                const int size = BytesPerPixel(layout.Depth);
                const Bytes original = Pattern(3 * 2 * size);
                auto bitmap = MakeBitmap(3, 2, layout, original);
                ASSERT_EQ(folder.Write<NTGAFile>(*bitmap, "round.tga"), 0);
                const bool grey = layout.Order == GRAY;
                const NBitmapLayout stored{layout.Depth, grey ? GRAY : BGR, LEFT, DOWN};
                EXPECT_EQ(bitmap->Layout, stored);  // converted in place before writing
                const std::string file = test::ReadFile(folder / "round.tga");
                ASSERT_EQ(file.size(), 18u + 6 * size);
                EXPECT_EQ(file.substr(16, 2), std::string({char(size * 8), 0}));
                EXPECT_EQ(file[2], grey ? 3 : 2);

                auto back = folder.Load("round.tga");
                EXPECT_EQ(back->Layout, stored);
                ASSERT_EQ(back->ConvertLayout(layout), 0);
                EXPECT_EQ(PixelsOf(*back), original);
            }
        }
    }
}

TEST(TGATestImages, TrueColourAndGreyFilesLoadInTheirStoredLayout) {
    auto images = TestImages();
    auto colour = images.Load("utc24.tga");  // with a 26-byte ID field
    EXPECT_EQ(colour->Width * colour->Height, 128 * 128);
    EXPECT_EQ(colour->Layout, (NBitmapLayout{B24, BGR, LEFT, DOWN}));
    ASSERT_EQ(colour->ConvertLayout({B24, RGB, LEFT, UP}), 0);
    // Stripes eight pixels wide: red, green, blue, black, red, green, blue, white.
    const Bytes stripes[] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {0, 0, 0},
                             {255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};
    for (int stripe = 0; stripe < 8; ++stripe) {
        const unsigned char* pixel = colour->Pixels + stripe * 8 * 3;
        EXPECT_EQ(Bytes(pixel, pixel + 3), stripes[stripe]) << stripe;
    }
    auto alpha = images.Load("utc32.tga");  // declares its 8 alpha bits
    EXPECT_EQ(alpha->Layout, (NBitmapLayout{B32, BGR, LEFT, DOWN}));
    ASSERT_EQ(alpha->ConvertLayout({B24, RGB, LEFT, UP}), 0);
    EXPECT_EQ(PixelsOf(*alpha), PixelsOf(*colour));
    EXPECT_EQ(images.Load("ubw8.tga")->Layout, (NBitmapLayout{B08, GRAY, LEFT, DOWN}));
    auto mapped = images.Load("cmap_offset.tga");  // indices 39 to 110 into a map of 72
    EXPECT_EQ(mapped->Layout, (NBitmapLayout{B24, BGR, LEFT, UP}));
    EXPECT_TRUE(mapped->HasPixels());
    EXPECT_EQ(Con.ErrorCount(), 0);
}

TEST(TGATestImages, UnsupportedFilesAreRefusedWithTheirReasons) {
    const struct {
        const char* name;
        const char* reason;
    } cases[] = {
        {"utc16.tga", nullptr},
        {"b5-attrib.tga", nullptr},
        {"truncated.tga", nullptr},
        {"ucm8.tga", "Error: unsupported color map (16 bits)"},
        {"b5-cmap.tga", "Error: unsupported color map (15 bits)"},
        {"b5-unused-cmap.tga", nullptr},  // 16-bit pixels fail before the map is looked at
        {"ctc24.tga", nullptr},           // the run-length types
        {"cbw8.tga", nullptr},
        {"ccm8.tga", nullptr},
        {"top_right.tga", nullptr},
    };
    auto images = TestImages();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ClearLog();
        const int before = Con.ErrorCount();
        EXPECT_EQ(images.Load(c.name)->Pixels, nullptr);
        Lines expected{"Error: NBitmap: can not load <" + std::string(c.name) + ">"};
        if (c.reason) {
            expected.insert(expected.begin(), c.reason);
        }
        EXPECT_EQ(LogLines(), expected);
        EXPECT_EQ(Con.ErrorCount() - before, static_cast<int>(expected.size()));
    }
}

TEST(TGATestImages, ATruncatedArchiveEntryIsRefusedThoughTheArchiveReadsShort) {
    Con.EnableBuffer(true);
    ImageStore archive{"truncated.tga", "utc24.tga"};
    EXPECT_EQ(LoadFrom(archive.Stream(), "truncated.tga")->Pixels, nullptr);
    EXPECT_TRUE(LoadFrom(archive.Stream(), "UTC24.TGA")->HasPixels());
    EXPECT_EQ(LogLines(), Lines{"Error: NBitmap: can not load <truncated.tga>"});
}

TEST_F(TGAFileTest, DescriptorBitsGiveTheRowAndColumnOrder) {
    Header h;
    h.width = 2;
    h.descriptor = 0x30;  // rightmost pixel first, top row first
    auto bitmap = LoadBytes(File(h, {1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(bitmap->Layout, (NBitmapLayout{B24, BGR, RIGHT, UP}));
    ASSERT_EQ(bitmap->ConvertLayout({B24, BGR, LEFT, UP}), 0);
    EXPECT_EQ(PixelsOf(*bitmap), (Bytes{4, 5, 6, 1, 2, 3}));  // not shown mirrored
}

TEST_F(TGAFileTest, ColourMapIndicesCountFromTheFirstMapIndex) {
    Header h = ColourMapped(2, 2);
    h.width = 3;
    const Bytes map{10, 20, 30, 40, 50, 60};  // entries 2 and 3, blue first
    Bytes data = map;
    data.insert(data.end(), {3, 2, 3});
    auto colour = LoadBytes(File(h, data));
    EXPECT_EQ(colour->Layout, (NBitmapLayout{B24, BGR, LEFT, DOWN}));
    EXPECT_EQ(PixelsOf(*colour), (Bytes{40, 50, 60, 10, 20, 30, 40, 50, 60}));
    auto grey = LoadBytes(File(h, {5, 5, 5, 9, 9, 9, 3, 2, 3}));
    EXPECT_EQ(grey->Layout, (NBitmapLayout{B08, GRAY, LEFT, DOWN}));
    EXPECT_EQ(PixelsOf(*grey), (Bytes{9, 5, 9}));
    EXPECT_EQ(Con.ErrorCount(), 0);
}

TEST_F(TGAFileTest, AColourMapBeforeTrueColourIsSkippedAfterAWarning) {
    Header h;
    h.mapType = 1;
    h.mapLength = 2;
    h.entryBits = 16;
    EXPECT_EQ(PixelsOf(*LoadBytes(File(h, {0, 0, 0, 0, 7, 8, 9}))), (Bytes{7, 8, 9}));
    EXPECT_EQ(LogLines(),
              Lines{"Warning: invalid TGA file, color map is present with non-indexed data"});
}

TEST_F(TGAFileTest, DamagedHeadersAreRefusedWithTheirReasons) {
    Header zeroWide, huge, eightBitColour, badMap, mapLength, wideIndices, mappedSixteenBit;
    zeroWide.width = 0;
    huge.width = huge.height = 65535;
    eightBitColour.pixelBits = 8;
    badMap = ColourMapped(0, 1);
    badMap.entryBits = 8;
    mapLength.mapLength = 3;
    wideIndices = ColourMapped(0, 1);
    wideIndices.pixelBits = 16;
    mappedSixteenBit.mapType = 1;
    mappedSixteenBit.mapLength = 2;
    mappedSixteenBit.entryBits = 16;
    mappedSixteenBit.pixelBits = 16;
    const char* mapWarning =
        "Warning: invalid TGA file, color map is present with non-indexed data";
    const struct {
        std::string file;
        Lines reasons;
    } cases[] = {
        {"", {}},
        {File(Header(), {}).substr(0, 10), {}},
        {File(Header(), {1, 2}), {}},
        {File(zeroWide, {}),
         {"Error: NTGAFile: <made.tga> declares 0x1 pixels; an image may have 1 to 8192 a side and "
          "16777216 in all"}},
        {File(huge, {}),
         {"Error: NTGAFile: <made.tga> declares 65535x65535 pixels; an image may have 1 to 8192 a "
          "side and 16777216 in all"}},
        {File(eightBitColour, {1}), {}},
        {File(mappedSixteenBit, Bytes(6)), {}},  // the depth fails before the map warns
        {File(ColourMapped(0, 0), {1}), {"Error: invalid TGA file, missing color map"}},
        {File(badMap, {1, 0}), {"Error: invalid TGA color map (8 bits)"}},
        {File(wideIndices, {1, 2, 3, 0, 0}),
         {"Error: unsupported TGA color map index size "
          "(16 bits)"}},
        {File(ColourMapped(2, 1), {1, 2, 3, 1}),
         {"Error: TGA color map index 1 is outside the "
          "map (1 entries from index 2)"}},
        {File(ColourMapped(2, 1), {1, 2, 3, 3}),
         {"Error: TGA color map index 3 is outside the "
          "map (1 entries from index 2)"}},
        {File(mapLength, Bytes(12)),
         {mapWarning,
          "Error: invalid TGA file, color map is "
          "ambiguous"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.file));
        EXPECT_EQ(LoadBytes(c.file)->Pixels, nullptr);
        Lines expected = c.reasons;
        expected.push_back(kLoadError);
        EXPECT_EQ(LogLines(), expected);
    }
}
