#include "base/ByteBuffer.h"

#include <climits>
#include <cstring>
#include <new>

#include "base/OwnedText.h"

void ByteBuffer::Clear() {
    data = nullptr;
    size = 0;
    text = nullptr;
}

int ByteBuffer::Allocate(int count) {
    Release();
    if (count < 0) {
        return 1;
    }
    data = new (std::nothrow) unsigned char[count]();
    if (!data) {
        return 1;
    }
    size = count;
    return 0;
}

int ByteBuffer::Insert(int pos, int count, const void* source) {
    if (!data || pos < 0 || pos > size || count < 0 || count > INT_MAX - size) {
        return 1;
    }
    if (count == 0) {
        return 0;
    }
    unsigned char* grown = new (std::nothrow) unsigned char[size + count];
    if (!grown) {
        return 1;
    }
    memcpy(grown, data, pos);
    if (source) {
        memcpy(grown + pos, source, count);
    } else {
        memset(grown + pos, 0, count);
    }
    memcpy(grown + pos + count, data + pos, size - pos);
    delete[] data;
    data = grown;
    size += count;
    return 0;
}

void ByteBuffer::Release() {
    delete[] data;
    data = nullptr;
    size = 0;
}

void ByteBuffer::Destroy() {
    Release();
    FreeText(text);
}
