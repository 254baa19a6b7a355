#include "raytrace/RayPrim.h"

void NRayPrim::TexCoord(const Vector3&, float& u, float& v) const {
    u = 0.0f;
    v = 0.0f;
}
