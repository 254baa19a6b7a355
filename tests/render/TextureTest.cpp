#include "render/Texture.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DisplayTestSupport.h"
#include "TestSupport.h"
#include "image/Bitmap.h"
#include "io/Data.h"
#include "io/IO.h"
#include "render/Extensions.h"
#include "render/OpenGLSurface.h"

namespace {

using test::LogText;
using Bytes = std::vector<unsigned char>;

// The bound texture's pixels at `level`, read back tightly packed.
Bytes TextureImage(int level, GLenum format, int channels) {
    GLint width = 0;
    GLint height = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_HEIGHT, &height);
    Bytes pixels(static_cast<size_t>(width) * height * channels);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, level, format, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

GLint TextureParameter(GLenum name) {
    GLint value = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, name, &value);
    return value;
}

GLint BoundTexture() {
    GLint name = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &name);
    return name;
}

void ClearLog() {
    Con.EnableBuffer(false);
    Con.EnableBuffer(true);
}

// A bitmap in memory, as a generated or already loaded image would be.
void SetPixels(NBitmap& bitmap, int width, int height, NBitmapLayout layout, const Bytes& pixels) {
    bitmap.Width = width;
    bitmap.Height = height;
    bitmap.Layout = layout;
    bitmap.AdoptPixels(new unsigned char[pixels.size()]);
    std::copy(pixels.begin(), pixels.end(), bitmap.Pixels);
}

class TextureTest : public testing::Test {
  protected:
    void SetUp() override {
        Con.EnableBuffer(true);
        images.Mount(kDirectoryMode, imageFolder.c_str());
        images.SetAsDefault(false);
    }

    // Opens the window with its rendering context; false (the test skips) without a display.
    bool OpenSurface() {
        if (!test::DisplayAvailable()) {
            return false;
        }
        surface.Open();
        EXPECT_TRUE(surface.HasRenderingContext()) << LogText();
        FetchExtensions();
        return surface.HasRenderingContext();
    }

    // The stream keeps the path it was mounted on.
    const std::string imageFolder = test::TestDataPath("images");
    NData images;
    NBitmap bitmap;
    NTexture texture;
    NOpenGLSurface surface;
};

#define OPEN_SURFACE_OR_SKIP()                                                  \
    if (!OpenSurface()) {                                                       \
        GTEST_SKIP() << "no display; the project's test command provides Xvfb"; \
    }

}  // namespace

TEST_F(TextureTest, RgbJpegIsMipmappedWithItsEstimateAndItsPixelsFreed) {
    OPEN_SURFACE_OR_SKIP();
    bitmap.SetName("rgb256.jpg");
    texture.Bitmap = &bitmap;
    texture.Init();
    EXPECT_EQ(LogText(), "NTexture: Mipmapped 256x256, 3 channel(s), approx. 261488 bytes\r\n");
    EXPECT_EQ(Con.ErrorCount(), 0);
    EXPECT_EQ(texture.SizeEstimate(), 261488);
    EXPECT_EQ(bitmap.Pixels, nullptr);
    ASSERT_NE(texture.TextureName(), NTexture::kNoTexture);

    // The top level holds the decoded image with the bottom row first.
    NBitmap decoded;
    decoded.SetName("rgb256.jpg");
    decoded.Init();
    ASSERT_EQ(decoded.ConvertLayout({NBitmap::B24, NBitmap::RGB, NBitmap::LEFT, NBitmap::DOWN}), 0);
    EXPECT_EQ(texture.Bind(), 0);
    EXPECT_EQ(BoundTexture(), texture.TextureName());
    const Bytes top = TextureImage(0, GL_RGB, 3);
    ASSERT_EQ(top.size(), 256u * 256u * 3u);
    EXPECT_TRUE(std::equal(top.begin(), top.end(), decoded.Pixels));
    // The chain goes down to a single pixel.
    GLint lastWidth = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 8, GL_TEXTURE_WIDTH, &lastWidth);
    EXPECT_EQ(lastWidth, 1);
    EXPECT_EQ(TextureParameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_LINEAR);
    EXPECT_EQ(TextureParameter(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));

    // A second Init of the same texture does nothing.
    texture.Init();
    EXPECT_EQ(Con.ErrorCount(), 0);
}

TEST_F(TextureTest, RowsOfOddByteLengthArriveUnpadded) {
    OPEN_SURFACE_OR_SKIP();
    // Two-pixel rows of 2 and 6 bytes: OpenGL's default 4-byte row alignment would
    // read past the end of these pixels.
    const Bytes grey = {10, 20, 30, 40};
    const Bytes rgb = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    SetPixels(bitmap, 2, 2, {NBitmap::B08, NBitmap::GRAY, NBitmap::LEFT, NBitmap::DOWN}, grey);
    texture.Bitmap = &bitmap;
    texture.Init();
    texture.Bind();
    EXPECT_EQ(TextureImage(0, GL_LUMINANCE, 1), grey);

    NBitmap colour;
    NTexture second;
    SetPixels(colour, 2, 2, {NBitmap::B24, NBitmap::BGR, NBitmap::LEFT, NBitmap::DOWN}, rgb);
    second.Bitmap = &colour;
    second.Init();
    second.Bind();
    EXPECT_EQ(TextureImage(0, GL_BGR, 3), rgb);
    EXPECT_EQ(LogText(),
              "NTexture: Mipmapped 2x2, 1 channel(s), approx. 5 bytes\r\n"
              "NTexture: Mipmapped 2x2, 3 channel(s), approx. 15 bytes\r\n");
}

TEST_F(TextureTest, KeptPixelsAreUploadedAgainIntoTheSameNameWhenTheyChange) {
    OPEN_SURFACE_OR_SKIP();
    // Stored top row first; the texture takes them bottom row first.
    SetPixels(bitmap, 3, 2, {NBitmap::B24, NBitmap::RGB, NBitmap::LEFT, NBitmap::UP},
              {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18});
    texture.Bitmap = &bitmap;
    texture.keep = true;
    texture.Init();
    EXPECT_EQ(LogText(), "NTexture: Keep 3x2, 3 channel(s), 18 bytes\r\n");
    ASSERT_NE(bitmap.Pixels, nullptr);
    EXPECT_EQ(bitmap.Layout.Rows, NBitmap::DOWN);
    const int name = texture.TextureName();

    ClearLog();
    EXPECT_EQ(texture.Bind(), 0);  // the conversion changed the pixels
    EXPECT_FALSE(bitmap.pixelsChanged);
    EXPECT_EQ(TextureImage(0, GL_RGB, 3),
              (Bytes{10, 11, 12, 13, 14, 15, 16, 17, 18, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(TextureParameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR);
    texture.Bind();
    EXPECT_EQ(LogText(), "NTexture: Keep 3x2, 3 channel(s), 18 bytes\r\n");  // once

    bitmap.Pixels[0] = 99;
    bitmap.pixelsChanged = true;
    texture.Bind();
    EXPECT_EQ(texture.TextureName(), name);
    EXPECT_EQ(TextureImage(0, GL_RGB, 3)[0], 99);
    EXPECT_EQ(Con.ErrorCount(), 0);
}

TEST_F(TextureTest, BrokenImageIsReportedAndBindsNoStaleTexture) {
    OPEN_SURFACE_OR_SKIP();
    bitmap.SetName("notjpeg.jpg");
    texture.Bitmap = &bitmap;
    texture.Init();
    const std::string log = LogText();
    EXPECT_NE(log.find("Error: NBitmap: can not load <notjpeg.jpg>\r\n"), std::string::npos) << log;
    EXPECT_NE(log.find("Error: NTexture: missing Bitmap Pixels\r\n"), std::string::npos) << log;
    EXPECT_EQ(texture.TextureName(), NTexture::kNoTexture);

    GLuint other = 0;
    glGenTextures(1, &other);
    glBindTexture(GL_TEXTURE_2D, other);
    EXPECT_EQ(texture.Bind(), 0);
    EXPECT_EQ(BoundTexture(), 0);
    EXPECT_EQ(texture.TextureName(), NTexture::kNoTexture);
    glBindTexture(GL_TEXTURE_2D, other);
    EXPECT_EQ(TextureParameter(GL_TEXTURE_MIN_FILTER), GL_NEAREST_MIPMAP_LINEAR);  // untouched
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
    bitmap.SetName("gray.jpg");
    texture.Bitmap = &bitmap;
    texture.Init();
    EXPECT_EQ(LogText(), "");
    EXPECT_TRUE(bitmap.HasPixels());
    EXPECT_EQ(texture.Bind(), 1);
    OPEN_SURFACE_OR_SKIP();
    EXPECT_EQ(texture.Bind(), 0);
    EXPECT_NE(texture.TextureName(), NTexture::kNoTexture);
    EXPECT_NE(LogText().find("NTexture: Mipmapped"), std::string::npos) << LogText();
    EXPECT_EQ(BoundTexture(), texture.TextureName());
}

TEST_F(TextureTest, ReleaseDeletesTheTextureAndKeepsTheBitmap) {
    OPEN_SURFACE_OR_SKIP();
    SetPixels(bitmap, 1, 1, {NBitmap::B32, NBitmap::RGB, NBitmap::LEFT, NBitmap::DOWN},
              {1, 2, 3, 4});
    texture.Bitmap = &bitmap;
    texture.Init();
    const GLuint name = static_cast<GLuint>(texture.TextureName());
    ASSERT_TRUE(glIsTexture(name));
    texture.ReleaseTexture();
    EXPECT_FALSE(glIsTexture(name));
    EXPECT_EQ(texture.TextureName(), NTexture::kNoTexture);
    EXPECT_EQ(texture.SizeEstimate(), 0);
    EXPECT_EQ(bitmap.Width, 1);
}
