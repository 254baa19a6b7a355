#include "raytrace/SphereMath.h"

#include <algorithm>
#include <cmath>

#include "base/ScalarMath.h"

namespace {

struct ScreenPoint {
    float x, y;
};

ScreenPoint ProjectCorner(const Vector3& c, float nearZ) {
    if (c.z < nearZ) {
        return {c.x < 0.0f ? -1.0f : 1.0f, c.y < 0.0f ? -1.0f : 1.0f};
    }
    return {c.x / c.z, c.y / c.z};
}

}  // namespace

ScreenRect ProjectSphere(const Vector3& centre, float radius, float nearZ) {
    // Corner signs in the order (+,+,+), (+,-,+), (-,-,+), (-,+,+), then the same at -z.
    static const float kSigns[8][3] = {{1, 1, 1},  {1, -1, 1},  {-1, -1, 1},  {-1, 1, 1},
                                       {1, 1, -1}, {1, -1, -1}, {-1, -1, -1}, {-1, 1, -1}};
    ScreenPoint corners[8];
    for (int i = 0; i < 8; ++i) {
        const Vector3 corner = {centre.x + kSigns[i][0] * radius, centre.y + kSigns[i][1] * radius,
                                centre.z + kSigns[i][2] * radius};
        corners[i] = ProjectCorner(corner, nearZ);
    }
    ScreenRect rect;
    rect.xMax = std::max(corners[0].x, corners[4].x);
    rect.yMax = std::max(corners[0].y, corners[4].y);
    rect.xMin = std::min(corners[2].x, corners[6].x);
    rect.yMin = std::min(corners[2].y, corners[6].y);
    return rect;
}

namespace {

// One direction's texture coordinates; inlined into both callers so they compute alike.
inline void TexCoordOf(float x, float y, float z, float repeat, float& u, float& v) {
    const float length = std::sqrt(x * x + y * y + z * z);
    // Divides unconditionally, as FastAtanOneMinusSquare does, and by 1 where the
    // length is 0.
    const bool zero = !(length > 0.0f);
    const float inverse = 1.0f / (zero ? 1.0f : length);
    const float scale = zero ? 0.0f : inverse;
    u = (FastAtanOneMinusSquare(x * scale) / Pi() + 0.5f) * repeat;
    v = (FastAtanOneMinusSquare(y * scale) / Pi() + 0.5f) * repeat;
}

}  // namespace

void SphereTexCoord(Vector3 q, float repeat, float& u, float& v) {
    TexCoordOf(q.x, q.y, q.z, repeat, u, v);
}

void SphereTexCoords(TexCoordBatch& batch) {
    for (int32_t i = 0; i < batch.count; ++i) {
        TexCoordOf(batch.x[i], batch.y[i], batch.z[i], batch.repeat[i], batch.u[i], batch.v[i]);
    }
}
