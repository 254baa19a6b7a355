// An image in memory: a block of pixels laid out as its format says, loaded through
// the image codecs and converted in place between layouts.
#pragma once

#include <cstddef>
#include <cstdint>

#include "image/BitmapFormat.h"
#include "reflect/MemberTable.h"

class NData;

class NBitmap : public NBitmapFormat {
  public:
    // Alpha modes.
    static constexpr int32_t kNoAlpha = 0;
    static constexpr int32_t kConstantAlpha = 1;
    static constexpr int32_t kAlphaFromImage = 2;

    NBitmap() = default;
    NBitmap(const NBitmap&) = delete;
    NBitmap& operator=(const NBitmap&) = delete;
    ~NBitmap() override;
    NClass* Create() override { return new NBitmap; }
    // Loads the file through the default input back-end and applies the alpha mode;
    // a generated bitmap makes its pixels here.
    void Init() override;
    static void Members(MemberTable<NBitmap>& m);

    // Reads the file named by Name through the codec of its kind; a failure is logged
    // and leaves Pixels null.
    void Load(NData& stream);
    // 0 once the bitmap has exactly the format `target`; non-zero on failure, with the
    // pixels and format of the last step that succeeded.
    int Convert(const NBitmapFormat& target);
    // Convert to this bitmap's own name, kind and size with another layout.
    int ConvertLayout(const NBitmapLayout& layout);
    bool HasPixels() const;
    // Frees the pixel block (a texture does so once it has uploaded it).
    void ReleasePixels();
    // Takes ownership of `block` (new[]), which must hold the pixels of the format.
    void AdoptPixels(unsigned char* block);

    // Alpha operations; 0 on success.
    int SetAlpha(unsigned char alpha);
    int SetAlphaFloat(float alpha);
    int AttachAlpha(NBitmap& mask);

    // Elementary pixel operations; 0 on success, 1 when the pixels or depth do not fit.
    int SwapRedBlue();
    int MirrorRows();
    int FlipRows();
    int Drop4To3();
    int Widen3To4();
    int GreyToRgb24();
    int Rgb24ToGrey();

    int32_t AlphaMode = kNoAlpha;
    // The second image of kAlphaFromImage.
    NBitmapFormat AlphaFormat;
    float Alpha = 1.0f;
    float Red = 0.0f;
    float Green = 0.0f;
    float Blue = 0.0f;
    // Set whenever the pixels change in a way a texture must upload again; the texture
    // clears it.
    bool pixelsChanged = false;
    // Owned (new[]); Width x Height pixels of the depth's size, row after row.
    unsigned char* Pixels = nullptr;

  private:
    size_t PixelCount() const { return static_cast<size_t>(Width) * static_cast<size_t>(Height); }
    // Replaces the block by a new one of `bytesPerPixel` bytes a pixel filled by `fill`
    // from the old one; 1 when it cannot be allocated.
    int Repack(int bytesPerPixel,
               void (*fill)(const unsigned char* from, unsigned char* to, size_t count));
    // Takes the next elementary step towards `target`; -1 when no step applies.
    int ConvertStep(const NBitmapFormat& target);
    void MakeGenerated();
    void MakeColourWithImageAlpha(NData& stream);
};
