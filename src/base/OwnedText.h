// Owned texts: heap copies made with new[] and released with delete[], the one
// convention for every text that a reader, a node or a buffer keeps.
#pragma once

#include <cstring>
#include <new>

// A new copy of `text`; null for a null text or when memory is exhausted.
inline char* CopyText(const char* text) {
    if (!text) {
        return nullptr;
    }
    const size_t size = strlen(text) + 1;
    char* copy = new (std::nothrow) char[size];
    if (copy) {
        memcpy(copy, text, size);
    }
    return copy;
}

// Replaces the text in `slot` by a copy of `text`; `text` may be the slot's own text.
inline void ReplaceText(char*& slot, const char* text) {
    char* copy = CopyText(text);
    delete[] slot;
    slot = copy;
}

// Frees the text in `slot` and leaves it null.
inline void FreeText(char*& slot) {
    delete[] slot;
    slot = nullptr;
}

// What a message shows for a text that may be absent.
inline const char* Printable(const char* text) {
    return text ? text : "(null)";
}
