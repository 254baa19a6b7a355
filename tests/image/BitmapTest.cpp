#include "image/Bitmap.h"

#include <gtest/gtest.h>

#include "app/ClassTable.h"
#include "base/Con.h"
#include "image/ImageTestSupport.h"
#include "image/RAWFile.h"
#include "image/TGAFile.h"
#include "reflect/Registry.h"

using namespace imagetest;

// [SECTION] Conversion chains

TEST(BitmapConvert, WidensSwapsAndFlipsToTheTextureLayout) {
    auto bitmap = MakeBitmap(2, 2, {B24, RGB, LEFT, UP}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    EXPECT_EQ(bitmap->ConvertLayout({B32, BGR, LEFT, DOWN}), 0);
    EXPECT_EQ(bitmap->Layout, (NBitmapLayout{B32, BGR, LEFT, DOWN}));
    EXPECT_EQ(PixelsOf(*bitmap),
              (Bytes{9, 8, 7, 255, 12, 11, 10, 255, 3, 2, 1, 255, 6, 5, 4, 255}));
    EXPECT_TRUE(bitmap->pixelsChanged);  // by the flip
}

TEST(BitmapConvert, GreyBecomesColourThroughRgbRelabelledBgr) {
    auto bitmap = MakeBitmap(2, 1, {B08, GRAY, LEFT, DOWN}, {10, 20});
    EXPECT_EQ(bitmap->ConvertLayout({B32, BGR, LEFT, DOWN}), 0);
    EXPECT_EQ(PixelsOf(*bitmap), (Bytes{10, 10, 10, 255, 20, 20, 20, 255}));
    EXPECT_FALSE(bitmap->pixelsChanged);  // relabelling and widening show nothing new
}

TEST(BitmapConvert, ColourBecomesGreyByItsFirstChannelAndLosesItsAlpha) {
    auto bitmap = MakeBitmap(2, 1, {B32, RGB, LEFT, UP}, {1, 2, 3, 4, 5, 6, 7, 8});
    bitmap->AlphaMode = NBitmap::kConstantAlpha;
    EXPECT_EQ(bitmap->ConvertLayout({B08, GRAY, LEFT, UP}), 0);
    EXPECT_EQ(PixelsOf(*bitmap), (Bytes{1, 5}));
    EXPECT_EQ(bitmap->AlphaMode, NBitmap::kNoAlpha);
}

TEST(BitmapConvert, MirrorsAndFlipsEveryDepth) {
    for (int depth : {B08, B24, B32}) {
        const int size = BytesPerPixel(depth);
        const Bytes pixels = Pattern(3 * 3 * size);  // 3 x 3: a middle column and row
        const int order = depth == B08 ? GRAY : RGB;
        auto bitmap = MakeBitmap(3, 3, {depth, order, RIGHT, UP}, pixels);
        EXPECT_EQ(bitmap->ConvertLayout({depth, order, LEFT, DOWN}), 0);
        Bytes expected;
        for (int row = 2; row >= 0; --row) {
            for (int column = 2; column >= 0; --column) {
                const auto pixel = pixels.begin() + (row * 3 + column) * size;
                expected.insert(expected.end(), pixel, pixel + size);
            }
        }
        EXPECT_EQ(PixelsOf(*bitmap), expected) << "depth " << depth;
    }
}

TEST(BitmapConvert, AnotherSizeIsUnimplementedAndDumpsBothFormats) {
    Con.EnableBuffer(true);
    auto bitmap = MakeBitmap(2, 2, {B24, RGB, LEFT, UP}, Bytes(12));
    NBitmapFormat target(*bitmap);
    target.Width = 3;
    EXPECT_EQ(bitmap->Convert(target), 1);
    EXPECT_EQ(LogLines(), (Lines{"NBitmap::Convert: requested conversion is unimplemented",
                                 "Format: 2x2, B24 RGB LEFT UP [2 1 0 0] '(null)' (0)",
                                 "Format: 3x2, B24 RGB LEFT UP [2 1 0 0] '(null)' (0)"}));
    EXPECT_EQ(Con.ErrorCount(), 0);
}

TEST(BitmapConvert, BitmapsWithoutPixelsFailSilently) {
    Con.EnableBuffer(true);
    NBitmap generated;  // generated, sized, but its pixels not made yet
    generated.FileKind = NBitmapFormat::kGenerated;
    generated.Width = generated.Height = 4;
    EXPECT_FALSE(generated.HasPixels());
    EXPECT_EQ(generated.ConvertLayout({B24, RGB, LEFT, UP}), 1);
    EXPECT_EQ(LogLines(), Lines{});
}

// [SECTION] Alpha

TEST(BitmapAlpha, SetAlphaMakesGreyRgbAndClampsFloats) {
    auto bitmap = MakeBitmap(2, 1, {B08, GRAY, LEFT, DOWN}, {10, 20});
    EXPECT_EQ(bitmap->SetAlpha(77), 0);
    EXPECT_EQ(bitmap->Layout, (NBitmapLayout{B32, RGB, LEFT, DOWN}));
    EXPECT_EQ(PixelsOf(*bitmap), (Bytes{10, 10, 10, 77, 20, 20, 20, 77}));
    EXPECT_TRUE(bitmap->pixelsChanged);
    for (auto [alpha, byte] : {std::pair{0.5f, 127}, {2.0f, 255}, {-1.0f, 0}}) {
        EXPECT_EQ(bitmap->SetAlphaFloat(alpha), 0);
        EXPECT_EQ(bitmap->Pixels[3], byte) << alpha;
    }
}

TEST(BitmapAlpha, AttachRefusesMasksOfAnotherSize) {
    Con.EnableBuffer(true);
    auto bitmap = MakeBitmap(2, 1, {B24, RGB, LEFT, UP}, Bytes(6));
    bitmap->SetName("colour.jpg");
    auto mask = MakeBitmap(1, 2, {B08, GRAY, LEFT, UP}, Bytes(2));
    mask->SetName("mask.tga");
    EXPECT_EQ(bitmap->AttachAlpha(*mask), 1);
    EXPECT_EQ(LogLines(),
              Lines{"can't attach images colour.jpg + mask.tga; they have different resoulutions"});
}

TEST(BitmapAlpha, AttachedAlphaFollowsThePictureWhateverTheRowOrders) {
    auto bitmap = MakeBitmap(1, 2, {B24, BGR, LEFT, DOWN}, {1, 2, 3, 4, 5, 6});  // bottom first
    auto mask = MakeBitmap(1, 2, {B24, RGB, LEFT, UP}, {100, 0, 0, 200, 0, 0});  // top first
    EXPECT_EQ(bitmap->AttachAlpha(*mask), 0);
    EXPECT_EQ(PixelsOf(*bitmap), (Bytes{1, 2, 3, 200, 4, 5, 6, 100}));
    EXPECT_TRUE(bitmap->pixelsChanged);
}

// [SECTION] Loading and Init

TEST(BitmapLoad, RefusesToLoadOverExistingPixels) {
    Con.EnableBuffer(true);
    ImageStore folder;
    auto bitmap = MakeBitmap(1, 1, {B08, GRAY, LEFT, UP}, {42});
    bitmap->SetName("other.tga");
    bitmap->Load(folder.Stream());
    EXPECT_EQ(LogLines(), Lines{"Error: NBitmap: Load: Pixels already exist"});
    EXPECT_EQ(PixelsOf(*bitmap), Bytes{42});
}

TEST(BitmapLoad, AMissingFileIsReportedAfterTheStoragesLine) {
    Con.EnableBuffer(true);
    ImageStore folder;
    NBitmap missing;
    missing.SetName("missing.tga");
    missing.Init();
    EXPECT_EQ(missing.Pixels, nullptr);
    EXPECT_EQ(LogLines(), (Lines{"NStdIO::OpenRead: file [missing.tga] not found",
                                 "Error: NBitmap: can not load <missing.tga>"}));
    EXPECT_EQ(Con.ErrorCount(), 1);
}

TEST(BitmapInit, NeedsTheDefaultInput) {
    Con.EnableBuffer(true);
    NBitmap bitmap;
    bitmap.SetName("a.tga");
    bitmap.Init();
    EXPECT_EQ(LogLines(), Lines{"Error: NBitmap: missing DefaultIn"});
}

TEST(BitmapInit, AppliesConstantAlphaOrAlphaFromASecondFile) {
    ImageStore folder;
    auto colour = MakeBitmap(1, 2, {B24, BGR, LEFT, DOWN}, {1, 2, 3, 4, 5, 6});
    ASSERT_EQ(folder.Write<NTGAFile>(*colour, "colour.tga"), 0);
    auto mask = MakeBitmap(1, 2, {B08, GRAY, LEFT, UP}, {100, 200});  // top row first
    ASSERT_EQ(folder.Write<NRAWFile>(*mask, "mask.raw"), 0);

    NBitmap constant;
    constant.SetName("colour.tga");
    constant.AlphaMode = NBitmap::kConstantAlpha;
    constant.Alpha = 0.25f;
    constant.Init();
    EXPECT_EQ(PixelsOf(constant), (Bytes{1, 2, 3, 63, 4, 5, 6, 63}));
    EXPECT_TRUE(constant.pixelsChanged);

    NBitmap masked;
    masked.SetName("colour.tga");
    masked.AlphaMode = NBitmap::kAlphaFromImage;
    masked.AlphaFormat.SetName("mask.raw");
    masked.AlphaFormat.Width = 1;
    masked.AlphaFormat.Height = 2;
    masked.AlphaFormat.Layout = {B08, GRAY, LEFT, UP};
    masked.Init();
    EXPECT_EQ(PixelsOf(masked), (Bytes{1, 2, 3, 200, 4, 5, 6, 100}));
    EXPECT_TRUE(masked.pixelsChanged);
}

TEST(BitmapInit, GeneratedBitmapsAreOnePixelOfTheirColour) {
    ImageStore folder;
    NBitmap opaque;
    opaque.FileKind = NBitmapFormat::kGenerated;
    opaque.Red = 1.0f;
    opaque.Green = 0.5f;
    opaque.Blue = 2.0f;  // clamped
    opaque.Init();
    EXPECT_EQ(opaque.Width * opaque.Height, 1);
    EXPECT_EQ(opaque.Layout.Order, RGB);
    EXPECT_EQ(PixelsOf(opaque), (Bytes{255, 127, 255}));  // B24
    EXPECT_TRUE(opaque.pixelsChanged);

    NBitmap translucent;
    translucent.FileKind = NBitmapFormat::kGenerated;
    translucent.AlphaMode = NBitmap::kConstantAlpha;
    translucent.Red = 0.25f;
    translucent.Alpha = 0.5f;
    translucent.Init();
    EXPECT_EQ(PixelsOf(translucent), (Bytes{63, 0, 0, 127}));
}

TEST(BitmapInit, GeneratedColourTakesItsAlphaFromAnImage) {
    ImageStore folder;
    auto mask = MakeBitmap(2, 1, {B24, RGB, LEFT, DOWN}, {10, 10, 10, 200, 200, 200});
    ASSERT_EQ(folder.Write<NTGAFile>(*mask, "mask.tga"), 0);
    NBitmap bitmap;
    bitmap.FileKind = NBitmapFormat::kGenerated;
    bitmap.AlphaMode = NBitmap::kAlphaFromImage;
    bitmap.AlphaFormat.SetName("mask.tga");
    bitmap.Red = 1.0f;
    bitmap.Blue = 0.5f;
    bitmap.Init();
    EXPECT_EQ(bitmap.Layout, (NBitmapLayout{B32, RGB, LEFT, DOWN}));
    EXPECT_EQ(PixelsOf(bitmap), (Bytes{255, 0, 127, 10, 255, 0, 127, 200}));
    EXPECT_TRUE(bitmap.pixelsChanged);
}

TEST(BitmapDocument, FilenameIsTheFormatsName) {
    NClassRegistration();
    NBitmap bitmap;
    EXPECT_EQ(SetMember(&bitmap, GetMemberIndex(&bitmap, "Filename"), "images\\logo.jpg"), 0);
    EXPECT_STREQ(bitmap.Name, "images\\logo.jpg");
}
