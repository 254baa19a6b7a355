#include "reflect/String.h"

#include <cstdlib>
#include <cstring>

NString::NString(const char* source) : text(source ? strdup(source) : nullptr) {}

NString::NString(const NString& other)
    : NClass(other), text(other.text ? strdup(other.text) : nullptr) {}

NString& NString::operator=(const NString& other) {
    if (this != &other) {
        Set(other.text, nullptr);
    }
    return *this;
}

NString::~NString() {
    free(text);
}

void NString::Set(const char* a, const char* b) {
    if (a && b) {
        const size_t lengthA = strlen(a);
        const size_t lengthB = strlen(b);
        char* joined = static_cast<char*>(malloc(lengthA + lengthB + 1));
        memcpy(joined, a, lengthA);
        memcpy(joined + lengthA, b, lengthB + 1);
        free(text);
        text = joined;
        return;
    }
    const char* only = a ? a : b;
    if (only && only != text) {
        char* copy = strdup(only);
        free(text);
        text = copy;
    }
}

NString& Concat(const NString& a, const NString& b) {
    static NString result;
    result.Set(a.Get(), b.Get());
    return result;
}
