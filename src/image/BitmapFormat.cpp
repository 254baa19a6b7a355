#include "image/BitmapFormat.h"

#include <strings.h>

#include <cstdlib>
#include <cstring>

#include "base/Con.h"

namespace {

// The dump's word for `value`, or " ?" when it names no known value.
const char* Word(int value, const char* const* words, int count) {
    return value >= 0 && value < count ? words[value] : " ?";
}

}  // namespace

NBitmapFormat::NBitmapFormat(const NBitmapFormat& other)
    : NClass(other),
      Name(other.Name ? strdup(other.Name) : nullptr),
      FileKind(other.FileKind),
      Width(other.Width),
      Height(other.Height),
      Layout(other.Layout) {}

NBitmapFormat& NBitmapFormat::operator=(const NBitmapFormat& other) {
    if (this != &other) {
        SetName(other.Name);
        FileKind = other.FileKind;
        Width = other.Width;
        Height = other.Height;
        Layout = other.Layout;
    }
    return *this;
}

NBitmapFormat::~NBitmapFormat() {
    free(Name);
}

void NBitmapFormat::SetName(const char* name) {
    char* copy = name ? strdup(name) : nullptr;
    free(Name);
    Name = copy;
}

int BytesPerPixel(int depth) {
    switch (depth) {
        case NBitmapFormat::B08:
            return 1;
        case NBitmapFormat::B24:
            return 3;
        case NBitmapFormat::B32:
            return 4;
        default:
            return 0;
    }
}

bool SameName(const char* a, const char* b) {
    return (!a && !b) || (a && b && strcmp(a, b) == 0);
}

bool SameFormat(const NBitmapFormat& a, const NBitmapFormat& b) {
    return SameName(a.Name, b.Name) && a.FileKind == b.FileKind && a.Width == b.Width &&
           a.Height == b.Height && a.Layout == b.Layout;
}

int FileKindFromName(const char* name) {
    const size_t length = name ? strlen(name) : 0;
    if (length > 4) {
        const char* extension = name + length - 4;
        if (strcasecmp(extension, ".TGA") == 0) {
            return NBitmapFormat::kTgaFile;
        }
        if (strcasecmp(extension, ".JPG") == 0) {
            return NBitmapFormat::kJpegFile;
        }
    }
    return NBitmapFormat::kRawFile;
}

void DumpFormat(const NBitmapFormat& format) {
    static const char* const kDepths[] = {" B00", " B08", " B24", " B32"};
    static const char* const kOrders[] = {" GRAY", " RGB", " BGR"};
    static const char* const kColumns[] = {" LEFT", " RIGHT"};
    static const char* const kRows[] = {" UP", " DOWN"};
    const NBitmapLayout& layout = format.Layout;
    Con.Print("Format:");
    Con.Print(" %dx%d,", format.Width, format.Height);
    Con.Print("%s", Word(layout.Depth, kDepths, 4));
    Con.Print("%s", Word(layout.Order, kOrders, 3));
    Con.Print("%s", Word(layout.Columns, kColumns, 2));
    Con.Print("%s", Word(layout.Rows, kRows, 2));
    Con.Print(" [%d %d %d %d]", layout.Depth, layout.Order, layout.Columns, layout.Rows);
    Con.Print(" '%s' (%d)\n", PrintableName(format.Name), format.FileKind);
}

const char* PrintableName(const char* name) {
    return name ? name : "(null)";
}
