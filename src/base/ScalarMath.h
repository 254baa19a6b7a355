// The scalar helpers the whole engine shares. Each is worked out in double
// precision and rounded to float once, on return.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

inline float Zero() {
    return 0.0f;
}
inline float One() {
    return 1.0f;
}
inline float Pi() {
    return static_cast<float>(3.14159265358979323846);
}
inline float Abs(float x) {
    return std::fabs(x);
}
inline float Sqrt(float x) {
    return static_cast<float>(std::sqrt(static_cast<double>(x)));
}
inline float Sin(float x) {
    return static_cast<float>(std::sin(static_cast<double>(x)));
}
inline float Cos(float x) {
    return static_cast<float>(std::cos(static_cast<double>(x)));
}

// atan2(x, 1 - x*x), without a square root: the curve the sphere texture
// coordinates follow; for x in -1..1 it stays within -pi/2..pi/2.
inline float AtanOneMinusSquare(float x) {
    const double d = x;
    return static_cast<float>(std::atan2(d, 1.0 - d * d));
}

// A level 0..1 as a byte 0..255, truncated: a colour channel, a shade. Levels out of
// range are clamped, and one that is not a number gives 0.
inline uint8_t ToByte(float level) {
    const float scaled = level * 255.0f;
    if (!(scaled > 0.0f)) {
        return 0;
    }
    return static_cast<uint8_t>(std::min(scaled, 255.0f));
}
