#include "image/Bitmap.h"

#include <algorithm>
#include <memory>
#include <new>
#include <utility>

#include "base/Budgets.h"
#include "base/Con.h"
#include "base/ScalarMath.h"
#include "image/JPGFile.h"
#include "image/RAWFile.h"
#include "image/TGAFile.h"
#include "io/Data.h"

namespace {

// No chain of steps is longer than this; one more means the steps go round in circles.
constexpr int kMaxConvertSteps = 21;
// ConvertStep's answer when no elementary step brings the formats closer.
constexpr int kNoStep = -1;

std::unique_ptr<NBitmapFile> MakeCodec(int kind, NBitmap* bitmap, NData* stream) {
    switch (kind) {
        case NBitmapFormat::kTgaFile:
            return std::make_unique<NTGAFile>(bitmap, stream);
        case NBitmapFormat::kJpegFile:
            return std::make_unique<NJPGFile>(bitmap, stream);
        default:
            return std::make_unique<NRAWFile>(bitmap, stream);
    }
}

void DropAlpha(const unsigned char* from, unsigned char* to, size_t count) {
    for (size_t i = 0; i < count; ++i, from += 4, to += 3) {
        to[0] = from[0];
        to[1] = from[1];
        to[2] = from[2];
    }
}

// The new fourth byte is opaque, so the picture looks as it did.
void AddOpaqueAlpha(const unsigned char* from, unsigned char* to, size_t count) {
    for (size_t i = 0; i < count; ++i, from += 3, to += 4) {
        to[0] = from[0];
        to[1] = from[1];
        to[2] = from[2];
        to[3] = 255;
    }
}

void RepeatGrey(const unsigned char* from, unsigned char* to, size_t count) {
    for (size_t i = 0; i < count; ++i, ++from, to += 3) {
        to[0] = to[1] = to[2] = *from;
    }
}

// The first channel becomes the grey value, unweighted.
void KeepFirstChannel(const unsigned char* from, unsigned char* to, size_t count) {
    for (size_t i = 0; i < count; ++i, from += 3, ++to) {
        *to = *from;
    }
}

// False, logged, when the file open on `stream` is larger than any image may be: a
// file that big holds something else, or a bomb.
bool FileWithinImageBudget(NData& stream, const char* name) {
    const int64_t size = stream.Remaining();
    if (size <= kMaxImageBytes) {
        return true;
    }
    Con.ErrorFrom("NBitmap", "<%s> declares %lld bytes, more than the %lld an image may have",
                  PrintableName(name), static_cast<long long>(size),
                  static_cast<long long>(kMaxImageBytes));
    return false;
}

}  // namespace

NBitmap::~NBitmap() {
    ReleasePixels();
}

void NBitmap::Members(MemberTable<NBitmap>& m) {
    m.Add<&NBitmapFormat::Name>("Filename");
}

void NBitmap::Init() {
    NData stream(NData::kInput);
    if (!stream.Backend()) {
        Con.ErrorFrom("NBitmap", "missing DefaultIn");
        return;
    }
    if (Pixels) {
        return;
    }
    if (FileKind == kGenerated) {
        if (AlphaMode == kAlphaFromImage) {
            MakeColourWithImageAlpha(stream);
        } else if (AlphaMode == kNoAlpha || AlphaMode == kConstantAlpha) {
            MakeGenerated();
        }
        return;
    }
    Load(stream);
    switch (AlphaMode) {
        case kNoAlpha:
            pixelsChanged = true;
            break;
        case kConstantAlpha:
            if (SetAlphaFloat(Alpha) == 0) {
                pixelsChanged = true;
            }
            break;
        case kAlphaFromImage: {
            NBitmap mask;
            static_cast<NBitmapFormat&>(mask) = AlphaFormat;
            mask.Load(stream);
            if (AttachAlpha(mask) == 0) {
                pixelsChanged = true;
            }
            break;
        }
        default:
            break;
    }
}

// One pixel of the bitmap's colour: opaque RGB, or RGBA with the constant alpha.
void NBitmap::MakeGenerated() {
    const bool withAlpha = AlphaMode == kConstantAlpha;
    unsigned char* pixel = new unsigned char[4];
    Width = 1;
    Height = 1;
    Layout.Depth = withAlpha ? B32 : B24;
    Layout.Order = RGB;
    pixel[0] = ToByte(Red);
    pixel[1] = ToByte(Green);
    pixel[2] = ToByte(Blue);
    pixel[3] = ToByte(Alpha);
    Pixels = pixel;
    pixelsChanged = true;
}

// A solid colour whose alpha is the image named by AlphaFormat.
void NBitmap::MakeColourWithImageAlpha(NData& stream) {
    static_cast<NBitmapFormat&>(*this) = AlphaFormat;
    Load(stream);
    if (ConvertLayout({B08, GRAY, Layout.Columns, Layout.Rows}) != 0 ||
        ConvertLayout({B32, RGB, Layout.Columns, Layout.Rows}) != 0) {
        return;
    }
    const unsigned char red = ToByte(Red);
    const unsigned char green = ToByte(Green);
    const unsigned char blue = ToByte(Blue);
    unsigned char* pixel = Pixels;
    for (size_t i = 0; i < PixelCount(); ++i, pixel += 4) {
        pixel[3] = pixel[0];
        pixel[0] = red;
        pixel[1] = green;
        pixel[2] = blue;
    }
    pixelsChanged = true;
}

void NBitmap::Load(NData& stream) {
    if (Pixels) {
        Con.ErrorFrom("NBitmap", "Load: Pixels already exist");
        return;
    }
    if (FileKind == kGenerated) {
        return;
    }
    if (FileKind == kUnknownFile) {
        FileKind = FileKindFromName(Name);
    }
    std::unique_ptr<NBitmapFile> codec = MakeCodec(FileKind, this, &stream);
    const bool opened = Name && stream.OpenRead(Name) == 0;
    const bool read = opened && FileWithinImageBudget(stream, Name) && codec->Read() == 0;
    const bool closed = stream.CloseFile() == 0;
    if (!opened || !read || !closed) {
        Con.ErrorFrom("NBitmap", "can not load <%s>", PrintableName(Name));
        ReleasePixels();
        return;
    }
    pixelsChanged = true;
}

int NBitmap::Convert(const NBitmapFormat& target) {
    for (int steps = 0; !SameFormat(*this, target); ++steps) {
        if (steps == kMaxConvertSteps) {
            Con.Error("NBitmap::Convert: internal error");
            return 1;
        }
        const int result = ConvertStep(target);
        if (result == kNoStep) {
            Con.PrintLine("NBitmap::Convert: requested conversion is unimplemented");
            DumpFormat(*this);
            DumpFormat(target);
            return 1;
        }
        if (result != 0) {
            return result;
        }
    }
    return 0;
}

// The steps are tried in this order so that depth changes happen while the channel
// order still tells grey from colour, and the cheap relabelling steps come last.
int NBitmap::ConvertStep(const NBitmapFormat& target) {
    NBitmapLayout& from = Layout;
    const NBitmapLayout& to = target.Layout;
    if (from.Depth == B08 && from.Order == GRAY && to.Depth != B08 && to.Order != GRAY) {
        const int result = GreyToRgb24();
        // Grey pixels read the same in either channel order.
        if (result == 0 && to.Order == BGR) {
            from.Order = BGR;
        }
        return result;
    }
    if (from.Depth != B08 && to.Depth == B08 && from.Order != GRAY && to.Order == GRAY) {
        if (from.Depth == B32) {
            if (const int result = Drop4To3()) {
                return result;
            }
        }
        return Rgb24ToGrey();
    }
    if (from.Depth == B32 && to.Depth == B24) {
        return Drop4To3();
    }
    if (from.Depth == B24 && to.Depth == B32) {
        return Widen3To4();
    }
    if ((from.Order == RGB && to.Order == BGR) || (from.Order == BGR && to.Order == RGB)) {
        const int result = SwapRedBlue();
        if (result == 0) {
            from.Order = to.Order;
        }
        return result;
    }
    if (from.Columns != to.Columns) {
        const int result = MirrorRows();
        if (result == 0) {
            from.Columns = to.Columns;
        }
        return result;
    }
    if (from.Rows != to.Rows) {
        const int result = FlipRows();
        if (result == 0) {
            from.Rows = to.Rows;
        }
        return result;
    }
    if (FileKind != target.FileKind) {
        FileKind = target.FileKind;
        return 0;
    }
    if (!SameName(Name, target.Name)) {
        SetName(target.Name);
        return 0;
    }
    return kNoStep;
}

int NBitmap::ConvertLayout(const NBitmapLayout& layout) {
    NBitmapFormat target(*this);
    target.Layout = layout;
    return Convert(target);
}

bool NBitmap::HasPixels() const {
    return Pixels && Layout.Depth != B00 && Width > 0 && Height > 0;
}

void NBitmap::ReleasePixels() {
    delete[] Pixels;
    Pixels = nullptr;
}

void NBitmap::AdoptPixels(unsigned char* block) {
    ReleasePixels();
    Pixels = block;
}

int NBitmap::SetAlpha(unsigned char alpha) {
    if (!HasPixels()) {
        return 1;
    }
    if (Layout.Depth != B32) {
        const int order = Layout.Order == GRAY ? RGB : Layout.Order;
        if (const int result = ConvertLayout({B32, order, Layout.Columns, Layout.Rows})) {
            return result;
        }
    }
    unsigned char* pixel = Pixels;
    for (size_t i = 0; i < PixelCount(); ++i, pixel += 4) {
        pixel[3] = alpha;
    }
    pixelsChanged = true;
    return 0;
}

int NBitmap::SetAlphaFloat(float alpha) {
    return SetAlpha(ToByte(std::clamp(alpha, 0.0f, 1.0f)));
}

// The mask is brought to this bitmap's column and row order as well, so that its
// alpha lands on the pixels it belongs to whatever files the two images came from.
int NBitmap::AttachAlpha(NBitmap& mask) {
    if (!HasPixels() || !mask.HasPixels() || &mask == this) {
        return 1;
    }
    if (Width != mask.Width || Height != mask.Height) {
        Con.PrintLine("can't attach images %s + %s; they have different resoulutions",
                      PrintableName(Name), PrintableName(mask.Name));
        return 1;
    }
    const int order = Layout.Order == GRAY ? RGB : Layout.Order;
    if (const int result = ConvertLayout({B32, order, Layout.Columns, Layout.Rows})) {
        return result;
    }
    if (const int result = mask.ConvertLayout({B08, GRAY, Layout.Columns, Layout.Rows})) {
        return result;
    }
    unsigned char* pixel = Pixels;
    for (size_t i = 0; i < PixelCount(); ++i, pixel += 4) {
        pixel[3] = mask.Pixels[i];
    }
    pixelsChanged = true;
    return 0;
}

int NBitmap::SwapRedBlue() {
    if (!HasPixels()) {
        return 1;
    }
    if (Layout.Depth != B24 && Layout.Depth != B32) {
        return 0;
    }
    const int size = BytesPerPixel(Layout.Depth);
    unsigned char* pixel = Pixels;
    for (size_t i = 0; i < PixelCount(); ++i, pixel += size) {
        std::swap(pixel[0], pixel[2]);
    }
    return 0;
}

int NBitmap::MirrorRows() {
    const int size = BytesPerPixel(Layout.Depth);
    if (!HasPixels() || size == 0) {
        return 1;
    }
    const size_t rowBytes = static_cast<size_t>(Width) * size;
    for (int row = 0; row < Height; ++row) {
        unsigned char* left = Pixels + row * rowBytes;
        unsigned char* right = left + rowBytes - size;
        for (; left < right; left += size, right -= size) {
            std::swap_ranges(left, left + size, right);
        }
    }
    pixelsChanged = true;
    return 0;
}

int NBitmap::FlipRows() {
    const int size = BytesPerPixel(Layout.Depth);
    if (!HasPixels() || size == 0) {
        return 1;
    }
    const size_t rowBytes = static_cast<size_t>(Width) * size;
    for (int row = 0; row < Height / 2; ++row) {
        unsigned char* top = Pixels + row * rowBytes;
        unsigned char* bottom = Pixels + (Height - 1 - row) * rowBytes;
        std::swap_ranges(top, top + rowBytes, bottom);
    }
    pixelsChanged = true;
    return 0;
}

int NBitmap::Repack(int bytesPerPixel,
                    void (*fill)(const unsigned char* from, unsigned char* to, size_t count)) {
    const size_t bytes = PixelCount() * bytesPerPixel;
    unsigned char* block = new (std::nothrow) unsigned char[bytes];
    if (!block) {
        Con.Error("NBitmap: out of memory for %dx%d pixels", Width, Height);
        return 1;
    }
    fill(Pixels, block, PixelCount());
    AdoptPixels(block);
    return 0;
}

int NBitmap::Drop4To3() {
    if (!HasPixels() || Layout.Depth != B32 || Repack(3, DropAlpha) != 0) {
        return 1;
    }
    Layout.Depth = B24;
    AlphaMode = kNoAlpha;
    pixelsChanged = true;
    return 0;
}

int NBitmap::Widen3To4() {
    if (!HasPixels() || Layout.Depth != B24 || Repack(4, AddOpaqueAlpha) != 0) {
        return 1;
    }
    Layout.Depth = B32;
    return 0;
}

int NBitmap::GreyToRgb24() {
    if (!HasPixels() || Layout.Depth != B08 || Layout.Order != GRAY || Repack(3, RepeatGrey) != 0) {
        return 1;
    }
    Layout.Depth = B24;
    Layout.Order = RGB;
    return 0;
}

int NBitmap::Rgb24ToGrey() {
    if (!HasPixels() || Layout.Depth != B24 || Repack(1, KeepFirstChannel) != 0) {
        return 1;
    }
    Layout.Depth = B08;
    Layout.Order = GRAY;
    pixelsChanged = true;
    return 0;
}
