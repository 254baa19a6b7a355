#include "raytrace/RayPrim01.h"

NRayPrim01::NRayPrim01() {
    MatrixIdentity(textureMatrix);
}

void NRayPrim01::TexCoord(const Vector3&, float& u, float& v) const {
    u = 0.0f;
    v = 0.0f;
}

bool NRayPrim01::Intersect(const Vector3&, const Vector3&, float&) const {
    return false;
}

Vector3 NRayPrim01::Normal(const Vector3&) const {
    return {0, 0, 0};
}
