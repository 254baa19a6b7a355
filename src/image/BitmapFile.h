// The abstract image codec: moves pixels between a bitmap and a file on a stream.
#pragma once

#include <cstdint>

class NBitmap;
class NData;

class NBitmapFile {
  public:
    NBitmapFile(NBitmap* bitmap, NData* stream) : bitmap(bitmap), stream(stream) {}
    NBitmapFile(const NBitmapFile&) = delete;
    NBitmapFile& operator=(const NBitmapFile&) = delete;
    virtual ~NBitmapFile() = default;

    // Fills the bitmap from the stream, which is positioned at the start of the file.
    virtual int Read() = 0;
    // Converts the bitmap to the layout the file stores, then writes it.
    virtual int Write() = 0;

  protected:
    NBitmap* bitmap;
    NData* stream;
};

// Reads exactly `count` bytes; 0 on success. Back-ends differ on short reads (the
// archive reports success for any byte delivered), so the last byte is read on its
// own: it is missing exactly when the file ends early.
int ReadExactly(NData& stream, void* target, int count);
// Skips `count` bytes; nothing to do is success.
int SkipBytes(NData& stream, int count);
// False, with a counted error naming `source`, the file and the size it declares,
// unless both sides are 1 to kMaxImageSide and the pixels kMaxImagePixels at most
// (base/Budgets.h). Codecs ask before they allocate or decode anything.
bool ImageSizeAllowed(const char* source, const char* file, int width, int height);
// False when the file open on `stream` has fewer than `needed` bytes left: what a
// header declares is checked against what the file can hold before anything is
// allocated for it.
bool FileHolds(NData& stream, int64_t needed);
