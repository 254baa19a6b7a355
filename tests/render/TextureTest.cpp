#include "render/Texture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "RenderTestSupport.h"
#include "image/Bitmap.h"

namespace {

using test::Integer;
using test::LogText;
using Bytes = std::vector<unsigned char>;

// The bound texture's top level, read back tightly packed.
Bytes TopLevel(GLenum format, int channels) {
    GLint width = 0;
    GLint height = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    Bytes pixels(static_cast<size_t>(width) * height * channels);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, format, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

GLint TextureParameter(GLenum name) {
    GLint value = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, name, &value);
    return value;
}

class TextureTest : public test::RenderTest {
  protected:
    // Pixels in memory, as a generated or already loaded image has them.
    void SetPixels(int width, int height, NBitmapLayout layout, const Bytes& pixels) {
        bitmap.Width = width;
        bitmap.Height = height;
        bitmap.Layout = layout;
        bitmap.AdoptPixels(new unsigned char[pixels.size()]);
        std::copy(pixels.begin(), pixels.end(), bitmap.Pixels);
        texture.Bitmap = &bitmap;
    }

    NBitmap bitmap;
    NTexture texture;
};

}  // namespace

TEST_F(TextureTest, RgbJpegIsMipmappedWithItsEstimateAndItsPixelsFreed) {
    OPEN_SURFACE_OR_SKIP();
    CopyTestImage("rgb256.jpg");
    bitmap.SetName("rgb256.jpg");
    texture.Bitmap = &bitmap;
    texture.Init();
    EXPECT_EQ(LogText(), "NTexture: Mipmapped 256x256, 3 channel(s), approx. 261488 bytes\r\n");
    EXPECT_EQ(Con.ErrorCount(), 0);
    EXPECT_EQ(texture.SizeEstimate(), 261488);
    EXPECT_EQ(bitmap.Pixels, nullptr);

    // The top level is the decoded image, bottom row first; the chain ends in one pixel.
    NBitmap decoded;
    decoded.SetName("rgb256.jpg");
    decoded.Init();
    ASSERT_EQ(decoded.ConvertLayout({NBitmap::B24, NBitmap::RGB, NBitmap::LEFT, NBitmap::DOWN}), 0);
    EXPECT_EQ(texture.Bind(), 0);
    EXPECT_EQ(Integer(GL_TEXTURE_BINDING_2D), texture.TextureName());
    const Bytes top = TopLevel(GL_RGB, 3);
    ASSERT_EQ(top.size(), 256u * 256u * 3u);
    EXPECT_TRUE(std::equal(top.begin(), top.end(), decoded.Pixels));
    GLint lastWidth = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 8, GL_TEXTURE_WIDTH, &lastWidth);
    EXPECT_EQ(lastWidth, 1);
    EXPECT_EQ(TextureParameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_LINEAR);
    EXPECT_EQ(TextureParameter(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
}

TEST_F(TextureTest, MipmappedRowsOfOddByteLengthArriveUnpadded) {
    OPEN_SURFACE_OR_SKIP();
    // Rows of 6 bytes: OpenGL's default 4-byte row alignment would read past the end.
    const Bytes bgr = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    SetPixels(2, 2, {NBitmap::B24, NBitmap::BGR, NBitmap::LEFT, NBitmap::DOWN}, bgr);
    texture.Init();
    texture.Bind();
    EXPECT_EQ(TopLevel(GL_BGR, 3), bgr);
    EXPECT_EQ(LogText(), "NTexture: Mipmapped 2x2, 3 channel(s), approx. 15 bytes\r\n");
}

TEST_F(TextureTest, KeptPixelsAreUploadedAgainIntoTheSameNameWhenTheyChange) {
    OPEN_SURFACE_OR_SKIP();
    // Stored top row first, in rows of 9 bytes.
    SetPixels(3, 2, {NBitmap::B24, NBitmap::RGB, NBitmap::LEFT, NBitmap::UP},
              {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18});
    texture.keep = true;
    texture.Init();
    const char kUpload[] = "NTexture: Keep 3x2, 3 channel(s), 18 bytes\r\n";
    EXPECT_EQ(LogText(), kUpload);
    ASSERT_NE(bitmap.Pixels, nullptr);
    const int name = texture.TextureName();

    ClearLog();
    texture.Bind();  // the row flip of Init changed the pixels
    texture.Bind();
    EXPECT_EQ(LogText(), kUpload);
    EXPECT_EQ(TopLevel(GL_RGB, 3),
              (Bytes{10, 11, 12, 13, 14, 15, 16, 17, 18, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(TextureParameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR);

    bitmap.Pixels[0] = 99;
    bitmap.pixelsChanged = true;
    texture.Bind();
    EXPECT_EQ(texture.TextureName(), name);
    EXPECT_EQ(TopLevel(GL_RGB, 3)[0], 99);

    texture.ReleaseTexture();
    EXPECT_FALSE(glIsTexture(static_cast<GLuint>(name)));
    EXPECT_EQ(texture.TextureName(), NTexture::kNoTexture);
    EXPECT_EQ(Con.ErrorCount(), 0);
}

TEST_F(TextureTest, WithoutBitmapNothingIsMadeOrBound) {
    OPEN_SURFACE_OR_SKIP();
    texture.Init();
    EXPECT_EQ(LogText(), "Error: NTexture: missing Bitmap\r\n");
    EXPECT_EQ(Con.ErrorCount(), 1);
    EXPECT_EQ(texture.Bind(), 1);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
}

TEST_F(TextureTest, InitWithoutContextKeepsThePixelsForTheFirstBind) {
    CopyTestImage("gray.jpg");
    bitmap.SetName("gray.jpg");
    texture.Bitmap = &bitmap;
    texture.Init();
    EXPECT_EQ(LogText(), "");
    EXPECT_TRUE(bitmap.HasPixels());
    EXPECT_EQ(texture.Bind(), 1);
    OPEN_SURFACE_OR_SKIP();
    EXPECT_EQ(texture.Bind(), 0);
    EXPECT_EQ(Integer(GL_TEXTURE_BINDING_2D), texture.TextureName());
    EXPECT_EQ(LogText().rfind("NTexture: Mipmapped", 0), 0u) << LogText();
}
