#include "values/ValueReader.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "base/Con.h"
#include "base/NumberText.h"
#include "values/ColorValue.h"
#include "values/FloatValue.h"
#include "values/VectValue.h"

namespace {

// The float nearest to 1/255, so that a channel of 255 gives exactly 1.
constexpr float kChannelScale = 1.0f / 255.0f;

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Channel `index` of "#RRGGBBAA" (0..255), or -1. The low digit is only looked at
// when the high one is a digit, so the end of the text is never passed.
int ReadChannel(const char* text, int index) {
    const char* digits = text + 2 * index + 1;
    const int high = HexDigit(digits[0]);
    if (high < 0) {
        return -1;
    }
    const int low = HexDigit(digits[1]);
    return low < 0 ? -1 : high * 16 + low;
}

bool ReadChannels(const char* text, float values[4]) {
    values[3] = 1.0f;
    for (int i = 0; i < 4; ++i) {
        if (i == 3 && text[7] == '\0') {
            return true;
        }
        const int channel = ReadChannel(text, i);
        if (channel < 0) {
            return false;
        }
        values[i] = channel * kChannelScale;
    }
    return text[9] == '\0';
}

// The text is read as it always was; where that differs from what it says, the
// author is told.
void NoteNumberText(const char* text, int numbers) {
    const std::string problem = NumberTextProblem(text, NumberKind::kFloat, numbers);
    if (!problem.empty()) {
        Con.Notice("%s", problem.c_str());
    }
}

}  // namespace

bool ParseFloat(const char* text, float* value) {
    const bool read = text && sscanf(text, "%f", value) == 1;
    // What does not come out finite is refused or noted where it is used.
    if (read && std::isfinite(*value)) {
        NoteNumberText(text, 1);
    }
    return read;
}

bool ParseVector(const char* text, float values[3]) {
    values[0] = values[1] = values[2] = 0.0f;
    const bool read = text && sscanf(text, "%f %f %f", &values[0], &values[1], &values[2]) >= 1;
    if (read) {
        NoteNumberText(text, 3);
    }
    return read;
}

bool ParseColor(const char* text, float values[4]) {
    if (!text || text[0] != '#') {
        return false;
    }
    if (!ReadChannels(text, values)) {
        Con.Error("Color Reader: #RRGGBB or #RRGGBBAA hexadecimal form expected");
        return false;
    }
    return true;
}

NFloatValue* ReadFloatValue(const char* text) {
    float number;
    if (!ParseFloat(text, &number)) {
        return nullptr;
    }
    auto* value = new NFloatValue;
    value->f = number;
    return value;
}

NVectValue* ReadVectValue(const char* text) {
    float xyz[3];
    if (!ParseVector(text, xyz)) {
        return nullptr;
    }
    auto* value = new NVectValue;
    value->x = xyz[0];
    value->y = xyz[1];
    value->z = xyz[2];
    return value;
}

NColorValue* ReadColorValue(const char* text) {
    float rgba[4];
    if (!ParseColor(text, rgba)) {
        return nullptr;
    }
    auto* value = new NColorValue;
    value->r = rgba[0];
    value->g = rgba[1];
    value->b = rgba[2];
    value->a = rgba[3];
    return value;
}
