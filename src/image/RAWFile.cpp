#include "image/RAWFile.h"

#include <new>

#include "base/Con.h"
#include "image/Bitmap.h"
#include "io/Data.h"

namespace {

// Grey data is one byte a pixel whatever the depth says; colour data is as deep as
// its depth. 0 for a layout no file can hold.
int FileBytesPerPixel(const NBitmapLayout& layout) {
    if (layout.Order == NBitmapFormat::GRAY) {
        return 1;
    }
    return layout.Depth == NBitmapFormat::B24 || layout.Depth == NBitmapFormat::B32
               ? BytesPerPixel(layout.Depth)
               : 0;
}

}  // namespace

int NRAWFile::Read() {
    if (bitmap->Pixels ||
        !ImageSizeAllowed("NRAWFile", bitmap->Name, bitmap->Width, bitmap->Height)) {
        return 1;
    }
    const int bytesPerPixel = FileBytesPerPixel(bitmap->Layout);
    if (bytesPerPixel == 0) {
        return 1;
    }
    // A grey layout with another depth would leave the block smaller than the
    // depth claims.
    if (bitmap->Layout.Order == NBitmap::GRAY) {
        bitmap->Layout.Depth = NBitmap::B08;
    }
    const int bytes = bitmap->Width * bitmap->Height * bytesPerPixel;
    // A file too short for its pixels fails as it would after reading.
    if (!FileHolds(*stream, bytes)) {
        return 1;
    }
    // Zero-filled, so that a short read never exposes stale memory.
    unsigned char* block = new (std::nothrow) unsigned char[bytes]();
    if (!block) {
        Con.Error("NRAWFile: out of memory for %dx%d pixels", bitmap->Width, bitmap->Height);
        return 1;
    }
    bitmap->AdoptPixels(block);
    const int result = ReadExactly(*stream, block, bytes);
    if (result != 0) {
        bitmap->ReleasePixels();
    }
    return result;
}

int NRAWFile::Write() {
    if (!bitmap->HasPixels() ||
        !ImageSizeAllowed("NRAWFile", bitmap->Name, bitmap->Width, bitmap->Height)) {
        return 1;
    }
    const int bytesPerPixel = FileBytesPerPixel(bitmap->Layout);
    // A grey bitmap of another depth has a block the file cannot describe.
    if (bytesPerPixel == 0 || bytesPerPixel != BytesPerPixel(bitmap->Layout.Depth)) {
        return 1;
    }
    return stream->Write(bitmap->Pixels, bitmap->Width * bitmap->Height * bytesPerPixel);
}
