#include "render/Texture.h"

#include <algorithm>
#include <climits>
#include <typeinfo>

#include "base/Con.h"
#include "image/Bitmap.h"
#include "reflect/ObjectList.h"
#include "reflect/Registry.h"
#include "render/Renderer.h"

namespace {

// A mipmap chain adds about a third to the top level; the estimate has always used
// this single-precision constant, so the logged sizes stay as they were.
constexpr float kMipmapChainFactor = 1.33f;

// The bitmap's pixels as the renderer takes them.
TextureImage ImageOf(const NBitmap& bitmap) {
    const bool blueFirst = bitmap.Layout.Order == NBitmapFormat::BGR;
    TextureImage image = {bitmap.Width, bitmap.Height, 4,
                          blueFirst ? PixelFormat::kBgra : PixelFormat::kRgba, bitmap.Pixels};
    if (bitmap.Layout.Depth == NBitmapFormat::B08) {
        image.channels = 1;
        image.format = PixelFormat::kLuminance;
    } else if (bitmap.Layout.Depth == NBitmapFormat::B24) {
        image.channels = 3;
        image.format = blueFirst ? PixelFormat::kBgr : PixelFormat::kRgb;
    }
    return image;
}

// A byte count, truncated toward zero; an image too large for the log's int shows
// as the largest int.
int ByteEstimate(double bytes) {
    return static_cast<int>(std::min(bytes, static_cast<double>(INT_MAX)));
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
    initTried = true;
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
    Renderer& renderer = CurrentRenderer();
    if (!Bitmap || !Bitmap->HasPixels() || !renderer.Ready()) {
        return 1;
    }
    if (textureName == kNoTexture) {
        textureName = renderer.CreateTexture();
    }
    renderer.BindTexture(textureName);
    const TextureImage image = ImageOf(*Bitmap);
    return keep ? UploadTopLevel(image) : UploadMipmapped(image);
}

// Builds every mipmap level from the bitmap.
int NTexture::UploadMipmapped(const TextureImage& image) {
    sizeEstimate = ByteEstimate(static_cast<double>(image.width) * image.channels * image.height *
                                static_cast<double>(kMipmapChainFactor));
    Con.PrintLine("NTexture: Mipmapped %dx%d, %d channel(s), approx. %d bytes", image.width,
                  image.height, image.channels, sizeEstimate);
    return CurrentRenderer().UploadMipmapped(image) ? 0 : 1;
}

// Uploads the top level alone, for bitmaps whose pixels are kept and change.
int NTexture::UploadTopLevel(const TextureImage& image) {
    sizeEstimate = ByteEstimate(static_cast<double>(image.width) * image.channels * image.height);
    Con.PrintLine("NTexture: Keep %dx%d, %d channel(s), %d bytes", image.width, image.height,
                  image.channels, sizeEstimate);
    CurrentRenderer().UploadTopLevel(image);
    return 0;
}

int NTexture::Bind() {
    Renderer& renderer = CurrentRenderer();
    if (!renderer.Ready()) {
        return 1;
    }
    const bool pixelsChanged = Bitmap && Bitmap->HasPixels() && Bitmap->pixelsChanged;
    if (textureName != kNoTexture && !pixelsChanged) {
        renderer.BindTexture(textureName);
    } else {
        if (!Bitmap) {
            return 1;
        }
        Bitmap->pixelsChanged = false;
        if (Upload() != 0 && textureName == kNoTexture) {
            // Texture 0 has no image, so the unit draws untextured rather than with
            // whichever texture was bound before.
            renderer.BindTexture(0);
        }
    }
    renderer.SetTextureFilters((filter & kLinearMagnification) != 0,
                               (filter & kMipmapMinification) != 0);
    renderer.SetTexturing(true);
    return 0;
}

void NTexture::ReleaseTexture() {
    if (textureName == kNoTexture) {
        return;
    }
    sizeEstimate = 0;
    // Once the surface has closed, its context has taken the texture with it.
    Renderer& renderer = CurrentRenderer();
    if (renderer.Ready()) {
        renderer.DeleteTexture(textureName);
    }
    textureName = kNoTexture;
}

void BindTextureOnUnit(NTexture* texture, int unit) {
    Renderer& renderer = CurrentRenderer();
    if (!renderer.ActivateTextureUnit(unit)) {
        return;
    }
    if (!texture || texture->Bind() != 0) {
        renderer.SetTexturing(false);
    }
}
