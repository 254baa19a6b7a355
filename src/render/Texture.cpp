#include "render/Texture.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <climits>
#include <typeinfo>

#include "base/Con.h"
#include "image/Bitmap.h"
#include "reflect/ObjectList.h"
#include "reflect/Registry.h"
#include "render/RenderingContext.h"

namespace {

// A mipmap chain adds about a third to the top level; the estimate has always used
// this single-precision constant, so the logged sizes stay as they were.
constexpr float kMipmapChainFactor = 1.33f;

// How OpenGL reads a bitmap's pixels.
struct PixelTransfer {
    int channels;
    GLenum format;
};

PixelTransfer TransferOf(const NBitmapLayout& layout) {
    const bool blueFirst = layout.Order == NBitmapFormat::BGR;
    switch (layout.Depth) {
        case NBitmapFormat::B08:
            return {1, GL_LUMINANCE};
        case NBitmapFormat::B24:
            return {3, GLenum(blueFirst ? GL_BGR : GL_RGB)};
        default:
            return {4, GLenum(blueFirst ? GL_BGRA : GL_RGBA)};
    }
}

// A byte count, truncated toward zero; an image too large for the log's int shows
// as the largest int.
int ByteEstimate(double bytes) {
    return static_cast<int>(std::min(bytes, static_cast<double>(INT_MAX)));
}

const char* GluErrorText(GLint error) {
    const GLubyte* text = gluErrorString(static_cast<GLenum>(error));
    return text ? reinterpret_cast<const char*>(text) : "unknown error";
}

}  // namespace

void NTexture::Members(MemberTable<NTexture>& m) {
    m.Add<&NTexture::Bitmap>("Bitmap");
}

NTexture* ReadTextureValue(const char* text) {
    // A file name cannot be empty; the caller then makes a default texture.
    if (!text || !text[0]) {
        return nullptr;
    }
    auto* bitmap = new NBitmap;
    bitmap->SetName(text);
    ObjectList.Add(bitmap, FindClassByType(typeid(NBitmap)));
    auto* texture = new NTexture;
    texture->Bitmap = bitmap;
    return texture;
}

void NTexture::Init() {
    if (textureName != kNoTexture || PreparePixels() != 0) {
        return;
    }
    if (keep) {
        filter &= ~kMipmapMinification;
    }
    if (Upload() == 0 && !keep) {
        Bitmap->ReleasePixels();
    }
}

int NTexture::PreparePixels() {
    if (!Bitmap) {
        Con.ErrorFrom("NTexture", "missing Bitmap");
        return 1;
    }
    Bitmap->Init();
    if (!Bitmap->HasPixels()) {
        Con.ErrorFrom("NTexture", "missing Bitmap Pixels");
        return 1;
    }
    // OpenGL takes texture rows left to right, the bottom row first.
    const NBitmapLayout& layout = Bitmap->Layout;
    return Bitmap->ConvertLayout(
        {layout.Depth, layout.Order, NBitmapFormat::LEFT, NBitmapFormat::DOWN});
}

int NTexture::Upload() {
    if (!Bitmap || !Bitmap->HasPixels() || !HasCurrentRenderingContext()) {
        return 1;
    }
    if (textureName == kNoTexture) {
        GLuint name = 0;
        glGenTextures(1, &name);
        textureName = static_cast<int>(name);
    }
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(textureName));
    const PixelTransfer transfer = TransferOf(Bitmap->Layout);
    // Bitmap rows follow each other without padding; OpenGL's default expects rows
    // padded to 4 bytes and would read past the end of odd-width RGB images.
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    const int result = keep ? UploadTopLevel(transfer.channels, transfer.format)
                            : UploadMipmapped(transfer.channels, transfer.format);
    glPopClientAttrib();
    return result;
}

// Builds every mipmap level from the bitmap.
int NTexture::UploadMipmapped(int channels, unsigned format) {
    const int width = Bitmap->Width;
    const int height = Bitmap->Height;
    sizeEstimate = ByteEstimate(static_cast<double>(width) * channels * height *
                                static_cast<double>(kMipmapChainFactor));
    Con.PrintLine("NTexture: Mipmapped %dx%d, %d channel(s), approx. %d bytes", width, height,
                  channels, sizeEstimate);
    const GLint error = gluBuild2DMipmaps(GL_TEXTURE_2D, channels, width, height, format,
                                          GL_UNSIGNED_BYTE, Bitmap->Pixels);
    if (error != 0) {
        Con.Error("NTexture: gluBuild2DMipmaps failed: %s", GluErrorText(error));
        return 1;
    }
    return 0;
}

// Uploads the top level alone, for bitmaps whose pixels are kept and change.
int NTexture::UploadTopLevel(int channels, unsigned format) {
    const int width = Bitmap->Width;
    const int height = Bitmap->Height;
    sizeEstimate = ByteEstimate(static_cast<double>(width) * channels * height);
    Con.PrintLine("NTexture: Keep %dx%d, %d channel(s), %d bytes", width, height, channels,
                  sizeEstimate);
    glTexImage2D(GL_TEXTURE_2D, 0, channels, width, height, 0, format, GL_UNSIGNED_BYTE,
                 Bitmap->Pixels);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    return 0;
}

int NTexture::Bind() {
    if (!HasCurrentRenderingContext()) {
        return 1;
    }
    const bool pixelsChanged = Bitmap && Bitmap->HasPixels() && Bitmap->pixelsChanged;
    if (textureName != kNoTexture && !pixelsChanged) {
        glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(textureName));
    } else {
        if (!Bitmap) {
            return 1;
        }
        Bitmap->pixelsChanged = false;
        if (Upload() != 0 && textureName == kNoTexture) {
            // Texture 0 has no image, so the unit draws untextured rather than with
            // whichever texture was bound before.
            glBindTexture(GL_TEXTURE_2D, 0);
        }
    }
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER,
                    (filter & kLinearMagnification) ? GL_LINEAR : GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER,
                    (filter & kMipmapMinification) ? GL_LINEAR_MIPMAP_LINEAR : GL_LINEAR);
    glEnable(GL_TEXTURE_2D);
    return 0;
}

void NTexture::ReleaseTexture() {
    if (textureName == kNoTexture) {
        return;
    }
    sizeEstimate = 0;
    // Once the surface has closed, its context has taken the texture with it.
    if (HasCurrentRenderingContext()) {
        const GLuint name = static_cast<GLuint>(textureName);
        glBindTexture(GL_TEXTURE_2D, name);
        glDeleteTextures(1, &name);
    }
    textureName = kNoTexture;
}
