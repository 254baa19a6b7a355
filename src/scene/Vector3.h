// Three 32-bit floats: a point or a direction.
#pragma once

#include <cmath>

struct Vector3 {
    float x, y, z;
};

// Squared sums are kept in float: a length that underflows to zero then counts as
// zero, so 1 / length can never overflow.
inline float VectorLength(const Vector3& v) {
    return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
}

// Scales `v` to unit length in place; a zero vector stays zero.
inline void VectorNormalize(Vector3& v) {
    const float length = VectorLength(v);
    if (length == 0.0f) {
        return;
    }
    const float scale = 1.0f / length;
    v.x *= scale;
    v.y *= scale;
    v.z *= scale;
}

// Writes `v` scaled to unit length to `out`, leaving `v` alone; a zero vector gives
// (1, 0, 0), so lighting always has a direction to work with.
inline void VectorNormalizeTo(const Vector3& v, Vector3& out) {
    const float length = VectorLength(v);
    if (length == 0.0f) {
        out = {1.0f, 0.0f, 0.0f};
        return;
    }
    const float scale = 1.0f / length;
    out = {v.x * scale, v.y * scale, v.z * scale};
}

inline float VectorDot(const Vector3& a, const Vector3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

// a - b: the way from b to a.
inline Vector3 VectorDifference(const Vector3& a, const Vector3& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
