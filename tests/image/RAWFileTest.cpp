#include "image/RAWFile.h"

#include <gtest/gtest.h>

#include "base/Con.h"
#include "image/ImageTestSupport.h"

using namespace imagetest;

namespace {

// A bitmap that describes the raw file `name` before it is read.
std::unique_ptr<NBitmap> LoadDescribed(NData& stream, int width, int height, NBitmapLayout layout) {
    auto bitmap = std::make_unique<NBitmap>();
    bitmap->SetName("image.raw");
    bitmap->Width = width;
    bitmap->Height = height;
    bitmap->Layout = layout;
    bitmap->Load(stream);
    return bitmap;
}

}  // namespace

TEST(RAWFile, EveryDepthAndOrderRoundTripsAsStored) {
    ImageStore folder;
    for (const NBitmapLayout layout : {NBitmapLayout{B08, GRAY, LEFT, UP},
                                       {B24, RGB, RIGHT, DOWN},
                                       {B24, BGR, LEFT, UP},
                                       {B32, RGB, LEFT, UP},
                                       {B32, BGR, LEFT, DOWN}}) {
        const Bytes original = Pattern(3 * 2 * BytesPerPixel(layout.Depth));
        auto bitmap = MakeBitmap(3, 2, layout, original);
        ASSERT_EQ(folder.Write<NRAWFile>(*bitmap, "image.raw"), 0);
        EXPECT_EQ(test::ReadFile(folder / "image.raw"),
                  std::string(original.begin(), original.end()));
        auto back = LoadDescribed(folder.Stream(), 3, 2, layout);
        EXPECT_EQ(PixelsOf(*back), original);
        EXPECT_EQ(back->Layout, layout);
    }
}

TEST(RAWFile, GreyIsOneBytePerPixelAndUndescribedFilesAreRefused) {
    Con.EnableBuffer(true);
    ImageStore folder;
    test::WriteFile(folder / "image.raw", "abcd");
    auto grey = LoadDescribed(folder.Stream(), 2, 2, {B32, GRAY, LEFT, UP});
    EXPECT_EQ(grey->Layout.Depth, B08);
    EXPECT_EQ(PixelsOf(*grey), (Bytes{'a', 'b', 'c', 'd'}));
    EXPECT_EQ(LoadDescribed(folder.Stream(), 0, 0, {B08, GRAY, LEFT, UP})->Pixels, nullptr);
    EXPECT_EQ(LoadDescribed(folder.Stream(), 1, 1, {NBitmap::B00, RGB, LEFT, UP})->Pixels, nullptr);
    EXPECT_EQ(LogLines(), (Lines{"Error: NRAWFile: <image.raw> declares 0x0 pixels; "
                                 "an image may have 1 to 8192 a side and 16777216 in all",
                                 "Error: NBitmap: can not load <image.raw>",
                                 "Error: NBitmap: can not load <image.raw>"}));
    auto deepGrey = MakeBitmap(1, 1, {B24, GRAY, LEFT, UP}, {1, 2, 3});
    EXPECT_EQ(folder.Write<NRAWFile>(*deepGrey, "grey.raw"), 1);
}
