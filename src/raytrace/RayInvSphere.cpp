#include "raytrace/RayInvSphere.h"

bool NRayInvSphere::Intersect(const Vector3& origin, const Vector3& direction, float& t) const {
    SphereRoots roots;
    if (!IntersectSphere(origin, direction, centre, radius * radius, roots)) {
        return false;
    }
    t = roots.farther;
    return t >= 0.0f;
}

Vector3 NRayInvSphere::Normal(const Vector3& point) const {
    return {centre.x - point.x, centre.y - point.y, centre.z - point.z};
}
