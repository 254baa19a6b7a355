#include "image/BitmapFile.h"

#include "base/Budgets.h"
#include "base/Con.h"
#include "io/Data.h"

int ReadExactly(NData& stream, void* target, int count) {
    if (count <= 0) {
        return count == 0 ? 0 : 1;
    }
    unsigned char* bytes = static_cast<unsigned char*>(target);
    if (count > 1) {
        if (const int result = stream.Read(bytes, count - 1)) {
            return result;
        }
    }
    return stream.Read(bytes + count - 1, 1);
}

int SkipBytes(NData& stream, int count) {
    return count > 0 ? stream.Skip(count) : 0;
}

bool ImageSizeAllowed(const char* source, const char* file, int width, int height) {
    if (width >= 1 && width <= kMaxImageSide && height >= 1 && height <= kMaxImageSide &&
        int64_t{width} * height <= kMaxImagePixels) {
        return true;
    }
    Con.Error("%s: <%s> declares %dx%d pixels; an image may have 1 to %d a side and %lld in all",
              source, file ? file : "", width, height, kMaxImageSide,
              static_cast<long long>(kMaxImagePixels));
    return false;
}

bool FileHolds(NData& stream, int64_t needed) {
    const int64_t available = stream.Remaining();
    return available < 0 || available >= needed;
}
