#include "raytrace/RaySphere01.h"

namespace {

// Radius above which the farther meeting is the one seen.
constexpr float kRoomRadius = 500.0f;

}  // namespace

void NRaySphere01::TexCoord(const Vector3& point, float& u, float& v) const {
    SphereTexCoord(MatrixTransformPoint(textureMatrix, point), 1.0f, u, v);
}

bool NRaySphere01::Intersect(const Vector3& origin, const Vector3& direction, float& t) const {
    SphereRoots roots;
    if (!IntersectSphere(QuerySphere(origin, centre, radiusSquared), direction, roots)) {
        return false;
    }
    t = radius > kRoomRadius ? roots.farther : roots.nearer;
    return t >= 0.0f;
}

Vector3 NRaySphere01::Normal(const Vector3& point) const {
    return VectorDifference(point, centre);
}
