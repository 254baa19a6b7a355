#include "image/TGAFile.h"

#include <cstring>
#include <new>
#include <vector>

#include "base/Con.h"
#include "image/Bitmap.h"
#include "image/RAWFile.h"
#include "io/Data.h"

namespace {

// Header offsets.
constexpr int kIdLength = 0;
constexpr int kColourMapType = 1;
constexpr int kImageType = 2;
constexpr int kFirstMapIndex = 3;
constexpr int kMapLength = 5;
constexpr int kMapEntryBits = 7;
constexpr int kWidth = 12;
constexpr int kHeight = 14;
constexpr int kPixelBits = 16;
constexpr int kDescriptor = 17;

// Image types; the run-length types (9 to 11) are not read.
constexpr int kColourMapped = 1;
constexpr int kTrueColour = 2;
constexpr int kGrey = 3;

// Descriptor bits. Bit 3 lies outside the attribute count compared below, so 32-bit
// files that declare their 8 alpha bits load like those that declare none.
constexpr int kAttributeBits = 0x07;
constexpr int kRightToLeft = 0x10;
constexpr int kTopRowFirst = 0x20;

// Bytes a colour-map entry takes in the file; 0 for an entry size no file uses.
int MapEntryBytes(int bits) {
    switch (bits) {
        case 15:
        case 16:
            return 2;
        case 24:
            return 3;
        case 32:
            return 4;
        default:
            return 0;
    }
}

void PutField(unsigned char* header, int offset, int value) {
    header[offset] = static_cast<unsigned char>(value & 0xFF);
    header[offset + 1] = static_cast<unsigned char>(value >> 8 & 0xFF);
}

}  // namespace

int NTGAFile::Read() {
    if (const int result = ReadExactly(*stream, header, kHeaderSize)) {
        return result;
    }
    const int type = header[kImageType];
    if (bitmap->Pixels || (type != kColourMapped && type != kTrueColour && type != kGrey)) {
        return 1;
    }
    const int width = Field(kWidth);
    const int height = Field(kHeight);
    if (!ImageSizeAllowed("NTGAFile", bitmap->Name, width, height)) {
        return 1;
    }
    bitmap->Width = width;
    bitmap->Height = height;
    bitmap->Layout.Columns = header[kDescriptor] & kRightToLeft ? NBitmap::RIGHT : NBitmap::LEFT;
    bitmap->Layout.Rows = header[kDescriptor] & kTopRowFirst ? NBitmap::UP : NBitmap::DOWN;
    if (const int result = SkipBytes(*stream, header[kIdLength])) {
        return result;
    }
    return type == kColourMapped ? ReadColourMapped() : ReadTrueColourOrGrey();
}

// Indices are counted from the header's first map index, as the map's entries are.
int NTGAFile::ReadColourMapped() {
    const int mapLength = Field(kMapLength);
    const int entryBits = header[kMapEntryBits];
    if (header[kColourMapType] == 0 || mapLength == 0) {
        Con.Error("invalid TGA file, missing color map");
        return 1;
    }
    if (entryBits == 15 || entryBits == 16 || entryBits == 32) {
        Con.Error("unsupported color map (%d bits)", entryBits);
        return 1;
    }
    if (entryBits != 24) {
        Con.Error("invalid TGA color map (%d bits)", entryBits);
        return 1;
    }
    if (header[kPixelBits] != 8) {
        Con.Error("unsupported TGA color map index size (%d bits)", header[kPixelBits]);
        return 1;
    }
    std::vector<unsigned char> map(mapLength * 3);
    if (const int result = ReadExactly(*stream, map.data(), static_cast<int>(map.size()))) {
        return result;
    }
    NBitmap indices;
    indices.Width = bitmap->Width;
    indices.Height = bitmap->Height;
    indices.Layout = {NBitmap::B08, NBitmap::GRAY, NBitmap::LEFT, NBitmap::DOWN};
    if (const int result = NRAWFile(&indices, stream).Read()) {
        return result;
    }
    const int count = bitmap->Width * bitmap->Height;
    const int first = Field(kFirstMapIndex);
    for (int i = 0; i < count; ++i) {
        const int entry = indices.Pixels[i] - first;
        if (entry < 0 || entry >= mapLength) {
            Con.Error("TGA color map index %d is outside the map (%d entries from index %d)",
                      indices.Pixels[i], mapLength, first);
            return 1;
        }
    }
    bool allGrey = true;
    for (int entry = 0; entry < mapLength && allGrey; ++entry) {
        const unsigned char* bgr = &map[entry * 3];
        allGrey = bgr[0] == bgr[1] && bgr[1] == bgr[2];
    }
    const int bytesPerPixel = allGrey ? 1 : 3;
    unsigned char* pixels = new (std::nothrow) unsigned char[count * bytesPerPixel];
    if (!pixels) {
        Con.Error("NTGAFile: out of memory for %dx%d pixels", bitmap->Width, bitmap->Height);
        return 1;
    }
    for (int i = 0; i < count; ++i) {
        const unsigned char* bgr = &map[(indices.Pixels[i] - first) * 3];
        for (int channel = 0; channel < bytesPerPixel; ++channel) {
            pixels[i * bytesPerPixel + channel] = bgr[channel];
        }
    }
    bitmap->Layout.Depth = allGrey ? NBitmap::B08 : NBitmap::B24;
    bitmap->Layout.Order = allGrey ? NBitmap::GRAY : NBitmap::BGR;
    bitmap->AdoptPixels(pixels);
    return 0;
}

// The pixel layout is chosen first: a depth that cannot be read is refused without a
// word about a colour map the file also carries.
int NTGAFile::ReadTrueColourOrGrey() {
    if (!ChooseTrueColourOrGreyLayout()) {
        return 1;
    }
    if (const int result = SkipUnusedColourMap()) {
        return result;
    }
    return NRAWFile(bitmap, stream).Read();
}

bool NTGAFile::ChooseTrueColourOrGreyLayout() {
    const int pixelBits = header[kPixelBits];
    NBitmapLayout& layout = bitmap->Layout;
    if (header[kDescriptor] & kAttributeBits) {
        return false;
    }
    if (pixelBits == 32) {
        layout.Depth = NBitmap::B32;
        layout.Order = NBitmap::BGR;
    } else if (pixelBits == 24) {
        layout.Depth = NBitmap::B24;
        layout.Order = NBitmap::BGR;
    } else if (pixelBits == 8 && header[kImageType] == kGrey) {
        layout.Depth = NBitmap::B08;
        layout.Order = NBitmap::GRAY;
    } else {
        return false;
    }
    return true;
}

int NTGAFile::SkipUnusedColourMap() {
    const int mapLength = Field(kMapLength);
    if (header[kColourMapType] == 0 && mapLength == 0) {
        return 0;
    }
    Con.Warning("invalid TGA file, color map is present with non-indexed data");
    if (header[kColourMapType] == 0) {
        Con.Error("invalid TGA file, color map is ambiguous");
        return 1;
    }
    const int entryBytes = MapEntryBytes(header[kMapEntryBits]);
    if (entryBytes == 0) {
        Con.Warning("invalid TGA color map (%d bits)", header[kMapEntryBits]);
        return 1;
    }
    return SkipBytes(*stream, mapLength * entryBytes);
}

int NTGAFile::Write() {
    if (!bitmap->HasPixels()) {
        return 1;
    }
    const NBitmapLayout& layout = bitmap->Layout;
    const bool grey = layout.Order == NBitmap::GRAY;
    const int depth = grey                           ? NBitmap::B08
                      : layout.Depth == NBitmap::B08 ? NBitmap::B24
                                                     : layout.Depth;
    const int colourOrder = grey ? NBitmap::GRAY : NBitmap::BGR;
    if (const int result =
            bitmap->ConvertLayout({depth, colourOrder, NBitmap::LEFT, NBitmap::DOWN})) {
        return result;
    }
    const int pixelBits = BytesPerPixel(layout.Depth) * 8;
    if (pixelBits == 0 ||
        !ImageSizeAllowed("NTGAFile", bitmap->Name, bitmap->Width, bitmap->Height)) {
        return 1;
    }
    memset(header, 0, sizeof header);
    header[kImageType] = grey ? kGrey : kTrueColour;
    PutField(header, kWidth, bitmap->Width);
    PutField(header, kHeight, bitmap->Height);
    header[kPixelBits] = static_cast<unsigned char>(pixelBits);
    if (const int result = stream->Write(header, kHeaderSize)) {
        return result;
    }
    return NRAWFile(bitmap, stream).Write();
}
