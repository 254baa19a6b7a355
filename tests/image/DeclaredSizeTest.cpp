// Headers that declare more pixels than an image may have, or than their files hold
// (the fuzz corpus's regression inputs among them), are refused before anything is
// allocated for the pixels; the budget's edge itself is only short of data.
#include <gtest/gtest.h>

#include "image/ImageTestSupport.h"

using namespace imagetest;

namespace {

// An 18-byte true-colour TGA header declaring `width` x `height`, with no pixels.
std::string TgaHeader(int width, int height) {
    std::string header(18, '\0');
    header[2] = 2;
    header[12] = static_cast<char>(width & 0xFF);
    header[13] = static_cast<char>(width >> 8);
    header[14] = static_cast<char>(height & 0xFF);
    header[15] = static_cast<char>(height >> 8);
    header[16] = 24;
    return header;
}

}  // namespace

TEST(DeclaredImageSizes, PicturesBeyondTheBudgetOrTheirDataAreRefusedFirst) {
    ImageStore store;
    for (const char* corpus : {"tga/regression-huge-header.tga", "jpeg/regression-huge-header.jpg",
                               "jpeg/regression-4096-header.jpg"}) {
        const std::string name(corpus);
        test::WriteFile(store / name.substr(name.find('/') + 1),
                        test::ReadFile(test::CorpusPath(name)));
    }
    test::WriteFile(store / "edge.tga", TgaHeader(8192, 2048));
    test::WriteFile(store / "wide.tga", TgaHeader(8193, 1));
    test::WriteFile(store / "many.tga", TgaHeader(4097, 4096));
    const std::string budget = " pixels; an image may have 1 to 8192 a side and 16777216 in all";
    const struct {
        const char* file;
        Lines log;
    } cases[] = {
        {"regression-huge-header.tga",
         {"Error: NTGAFile: <regression-huge-header.tga> declares 16384x16384" + budget}},
        {"regression-huge-header.jpg",
         {"Error: NJPGFile: <regression-huge-header.jpg> declares 16384x16384" + budget}},
        // Within the budget: the files fail as short files do, the JPEG saying why.
        {"regression-4096-header.jpg",
         {"JPG read: a 4096x4096 picture needs more data than the file holds"}},
        {"edge.tga", {}},
        {"wide.tga", {"Error: NTGAFile: <wide.tga> declares 8193x1" + budget}},
        {"many.tga", {"Error: NTGAFile: <many.tga> declares 4097x4096" + budget}},
    };
    for (const auto& refused : cases) {
        SCOPED_TRACE(refused.file);
        Con.EnableBuffer(false);
        Con.EnableBuffer(true);
        EXPECT_EQ(store.Load(refused.file)->Pixels, nullptr);
        Lines expected = refused.log;
        expected.push_back(std::string("Error: NBitmap: can not load <") + refused.file + ">");
        EXPECT_EQ(LogLines(), expected);
    }
}
