// Headers that declare far more pixels than their files hold (the fuzz corpus's
// regression inputs) are refused before anything is allocated for the pixels.
#include <gtest/gtest.h>

#include "image/ImageTestSupport.h"

using namespace imagetest;

TEST(DeclaredImageSizes, HeadersPromisingMoreThanTheFileHoldsAreRefusedFirst) {
    Con.EnableBuffer(true);
    ImageStore tga(test::CorpusPath("tga").c_str());
    EXPECT_EQ(tga.Load("regression-huge-header.tga")->Pixels, nullptr);
    ImageStore jpeg(test::CorpusPath("jpeg").c_str());
    EXPECT_EQ(jpeg.Load("regression-huge-header.jpg")->Pixels, nullptr);
    // The TGA fails as a short file does; the JPEG says why.
    EXPECT_EQ(LogLines(),
              (Lines{"Error: NBitmap: can not load <regression-huge-header.tga>",
                     "JPG read: a 16384x16384 picture needs more data than the file holds",
                     "Error: NBitmap: can not load <regression-huge-header.jpg>"}));
    EXPECT_EQ(Con.ErrorCount(), 2);
}
