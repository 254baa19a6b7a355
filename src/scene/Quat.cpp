#include "scene/Quat.h"

#include "base/ScalarMath.h"

void QuatFromAxisAngle(Quat& q, float angle, const Vector3& axis) {
    const float half = angle * -0.5f;
    const float s = Sin(half);
    q = {axis.x * s, axis.y * s, axis.z * s, Cos(half)};
}

void QuatMultiply(const Quat& a, const Quat& b, Quat& out) {
    // The product is formed in a temporary so that `out` may alias either input.
    const Quat p = b;
    const Quat q = a;
    out = {p.w * q.x + p.x * q.w + p.y * q.z - p.z * q.y,
           p.w * q.y - p.x * q.z + p.y * q.w + p.z * q.x,
           p.w * q.z + p.x * q.y - p.y * q.x + p.z * q.w,
           p.w * q.w - p.x * q.x - p.y * q.y - p.z * q.z};
}

void MatrixFromQuat(Matrix44& m, const Quat& q) {
    const float x = q.x, y = q.y, z = q.z, w = q.w;
    MatrixIdentity(m);
    m.m[0] = 1.0f - 2.0f * y * y - 2.0f * z * z;
    m.m[1] = 2.0f * x * y - 2.0f * w * z;
    m.m[2] = 2.0f * x * z + 2.0f * w * y;
    m.m[4] = 2.0f * x * y + 2.0f * w * z;
    m.m[5] = 1.0f - 2.0f * x * x - 2.0f * z * z;
    m.m[6] = 2.0f * y * z - 2.0f * w * x;
    m.m[8] = 2.0f * x * z - 2.0f * w * y;
    m.m[9] = 2.0f * y * z + 2.0f * w * x;
    m.m[10] = 1.0f - 2.0f * x * x - 2.0f * y * y;
}
