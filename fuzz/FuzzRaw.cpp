// A raw picture of a size and layout chosen by the input's first bytes, loaded and
// then converted to another layout, given an alpha, or combined with a mask.
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"
#include "image/Bitmap.h"
#include "io/Data.h"

namespace {

// The first bytes of an input: its pixels follow.
struct Header {
    uint8_t width;
    uint8_t height;
    uint8_t layout;
    uint8_t target;
    uint8_t operation;
    uint8_t alpha;
};

// Small pictures cover every conversion; size limits are the codecs' own concern.
constexpr int kMaxSide = 64;

// Every layout, the unsupported depth B00 and RIGHT columns included.
NBitmapLayout LayoutFrom(uint8_t bits) {
    return {bits & 3, (bits >> 2) % 3, (bits >> 4) & 1, (bits >> 5) & 1};
}

void Prepare(NBitmap& bitmap, const Header& header, uint8_t layout) {
    bitmap.SetName("picture.raw");
    bitmap.FileKind = NBitmapFormat::kRawFile;
    bitmap.Width = header.width % kMaxSide + 1;
    bitmap.Height = header.height % kMaxSide + 1;
    bitmap.Layout = LayoutFrom(layout);
}

void Operate(NBitmap& bitmap, const Header& header) {
    switch (header.operation % 4) {
        case 0:
            bitmap.ConvertLayout(LayoutFrom(header.target));
            break;
        case 1:
            bitmap.SetAlpha(header.alpha);
            break;
        case 2: {
            NBitmap mask;
            Prepare(mask, header, header.target);
            NData stream(NData::kInput);
            mask.Load(stream);
            bitmap.AttachAlpha(mask);
            break;
        }
        default:
            bitmap.SetAlphaFloat(header.alpha / 255.0f);
            bitmap.ConvertLayout(LayoutFrom(header.target));
            break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::PrepareEngine();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Header header;
    if (size < sizeof header) {
        return 0;
    }
    header = {data[0], data[1], data[2], data[3], data[4], data[5]};
    fuzz::WriteInput("picture.raw", data + sizeof header, size - sizeof header);
    NBitmap bitmap;
    Prepare(bitmap, header, header.layout);
    NData stream(NData::kInput);
    bitmap.Load(stream);
    Operate(bitmap, header);
    fuzz::ForgetInput();
    return 0;
}
