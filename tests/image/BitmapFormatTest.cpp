#include "image/BitmapFormat.h"

#include <gtest/gtest.h>

#include "base/Con.h"

TEST(BitmapFormat, KindFollowsTheExtensionInAnyCase) {
    EXPECT_EQ(FileKindFromName("photo.jpg"), NBitmapFormat::kJpegFile);
    EXPECT_EQ(FileKindFromName("SKY.Tga"), NBitmapFormat::kTgaFile);
    EXPECT_EQ(FileKindFromName("picture.jpeg"), NBitmapFormat::kRawFile);
    EXPECT_EQ(FileKindFromName(".TGA"), NBitmapFormat::kRawFile);  // the extension alone
    EXPECT_EQ(FileKindFromName(nullptr), NBitmapFormat::kRawFile);
}

TEST(BitmapFormat, DumpShowsWordsValuesNameAndKindOnOneUncountedLine) {
    Con.EnableBuffer(true);
    NBitmapFormat format;
    DumpFormat(format);
    format.SetName("a.tga");
    format.Width = 3;
    format.Layout = {NBitmapFormat::B08, NBitmapFormat::GRAY, 2, -1};
    DumpFormat(format);
    EXPECT_STREQ(Con.BufferText(),
                 "Format: 0x0, B32 BGR LEFT DOWN [3 2 0 1] '(null)' (0)\r\n"
                 "Format: 3x0, B08 GRAY ? ? [1 0 2 -1] 'a.tga' (0)\r\n");
    EXPECT_EQ(Con.ErrorCount(), 0);
}
