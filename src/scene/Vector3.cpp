#include "scene/Vector3.h"

#include <cmath>

namespace {

// Squared sums are kept in float: a length that underflows to zero then counts as
// zero, so 1 / length can never overflow.
float Length(const Vector3& v) {
    return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
}

}  // namespace

void VectorNormalize(Vector3& v) {
    const float length = Length(v);
    if (length == 0.0f) {
        return;
    }
    const float scale = 1.0f / length;
    v.x *= scale;
    v.y *= scale;
    v.z *= scale;
}

void VectorNormalizeTo(const Vector3& v, Vector3& out) {
    const float length = Length(v);
    if (length == 0.0f) {
        out = {1.0f, 0.0f, 0.0f};
        return;
    }
    const float scale = 1.0f / length;
    out = {v.x * scale, v.y * scale, v.z * scale};
}
