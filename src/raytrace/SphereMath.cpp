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

void SphereTexCoord(Vector3 q, float repeat, float& u, float& v) {
    const float length = std::sqrt(q.x * q.x + q.y * q.y + q.z * q.z);
    const float scale = length > 0.0f ? 1.0f / length : 0.0f;
    // Both coordinates side by side, so the compiler can work them out together.
    const float a[2] = {q.x * scale, q.y * scale};
    float angle[2];
    for (int i = 0; i < 2; ++i) {
        angle[i] = FastAtanOneMinusSquare(a[i]);
    }
    u = (angle[0] / Pi() + 0.5f) * repeat;
    v = (angle[1] / Pi() + 0.5f) * repeat;
}
