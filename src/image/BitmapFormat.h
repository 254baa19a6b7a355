// How a block of pixels is laid out and which file it comes from.
#pragma once

#include <cstdint>

#include "reflect/Class.h"

// The four sub-fields of a layout; the values are the NBitmapFormat constants.
struct NBitmapLayout {
    int32_t Depth;
    int32_t Order;
    int32_t Columns;
    int32_t Rows;

    bool operator==(const NBitmapLayout&) const = default;
};

class NBitmapFormat : public NClass {
  public:
    // Depth: bytes per pixel.
    static constexpr int32_t B00 = 0;
    static constexpr int32_t B08 = 1;
    static constexpr int32_t B24 = 2;
    static constexpr int32_t B32 = 3;
    // Channel order; in four-byte pixels the fourth byte is alpha.
    static constexpr int32_t GRAY = 0;
    static constexpr int32_t RGB = 1;
    static constexpr int32_t BGR = 2;
    // Columns: LEFT rows start with their leftmost pixel, RIGHT with their rightmost.
    static constexpr int32_t LEFT = 0;
    static constexpr int32_t RIGHT = 1;
    // Rows: UP the first row is the top row, DOWN the bottom row.
    static constexpr int32_t UP = 0;
    static constexpr int32_t DOWN = 1;

    // File kinds.
    static constexpr int32_t kUnknownFile = 0;
    static constexpr int32_t kRawFile = 1;
    static constexpr int32_t kTgaFile = 2;
    static constexpr int32_t kJpegFile = 3;
    static constexpr int32_t kGenerated = 4;

    NBitmapFormat() = default;
    // A copy has its own copy of the name, so formats can be copied and dropped freely.
    NBitmapFormat(const NBitmapFormat& other);
    NBitmapFormat& operator=(const NBitmapFormat& other);
    ~NBitmapFormat() override;

    // The name becomes a copy of `name` (null allowed).
    void SetName(const char* name);

    // Owned, released with free(): the registry sets it as the member "Filename".
    char* Name = nullptr;
    int32_t FileKind = kUnknownFile;
    int32_t Width = 0;
    int32_t Height = 0;
    NBitmapLayout Layout{B32, BGR, LEFT, DOWN};
};

// 1, 3 or 4 for the depths B08, B24 and B32; 0 for any other depth.
int BytesPerPixel(int depth);
// Both null or equal as text.
bool SameName(const char* a, const char* b);
// Same name (SameName), kind, size and layout.
bool SameFormat(const NBitmapFormat& a, const NBitmapFormat& b);
// 2 for a name ending in .tga, 3 for .jpg (any case, more than the extension alone), else 1.
int FileKindFromName(const char* name);
// Logs the format on one line, without counting.
void DumpFormat(const NBitmapFormat& format);
// The text that stands for `name` in messages; null prints as the formatting library does.
const char* PrintableName(const char* name);
