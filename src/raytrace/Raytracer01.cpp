#include "raytrace/Raytracer01.h"

#include "base/FrameTime.h"
#include "raytrace/Lambert.h"
#include "raytrace/RayInvSphere01.h"

namespace {

constexpr float kFarDepth = 10000.0f;
constexpr float kNearZ = 20.0f;
// The room's fixed light.
constexpr float kAmbient = 0.2f;
constexpr float kIntensity = 1.2f;

}  // namespace

NRaytracer01::~NRaytracer01() {
    for (NRayPrim01* primitive : primitives) {
        delete primitive;
    }
}

void NRaytracer01::Init() {
    NTile01::Init();
    if (!primitives[0]) {
        primitives[0] = new NRayInvSphere01;
    }
}

void NRaytracer01::Update() {
    NRayPrim01& room = *primitives[0];
    const float s = 0.4f * CurrentTime + 600.0f;
    room.centre = {0, 0, 600};
    room.radius = 650.0f;
    Matrix44 move;
    MatrixTranslation(move, {0, 0, -600});
    Matrix44 turn;
    MatrixFromEuler(turn, 0, 0, 1.87f * s);
    MatrixMultiply(move, turn, room.textureMatrix);
    room.Init();
    room.screen = ProjectSphere(room.centre, room.radius, kNearZ);
    lightPosition = room.centre;
}

void NRaytracer01::Trace(RaySample& sample) {
    const Vector3 origin = {0, 0, 0};
    const Vector3 direction = {sample.x, sample.y, 1.0f};
    float nearest = kFarDepth;
    int32_t chosen = -1;
    Vector3 point = {0, 0, 0};
    for (int32_t i = 0; i < primitiveCount; ++i) {
        const NRayPrim01* primitive = primitives[i];
        float t = 0;
        if (!primitive || !primitive->screen.Contains(sample.x, sample.y) ||
            !primitive->Intersect(origin, direction, t)) {
            continue;
        }
        const Vector3 p = {t * direction.x, t * direction.y, t * direction.z};
        if (p.z < nearest) {
            nearest = p.z;
            chosen = i;
            point = p;
        }
    }
    if (chosen < 0) {
        MissSample(sample);
        return;
    }
    sample.hit = chosen;
    const NRayPrim01& primitive = *primitives[chosen];
    const Vector3 toPoint = VectorDifference(point, lightPosition);
    const float cosine = LambertCosine(primitive.Normal(point), toPoint);
    LightSample(sample, cosine, cosine < 0.0f || Shadowed(toPoint, chosen), kAmbient, kIntensity);
    primitive.TexCoord(point, sample.u, sample.v);
}

bool NRaytracer01::Shadowed(const Vector3& toPoint, int32_t hit) const {
    for (int32_t i = 0; i + 1 < primitiveCount; ++i) {
        float t = 0;
        if (i != hit && primitives[i] && primitives[i]->Intersect(lightPosition, toPoint, t) &&
            t < 1.0f) {
            return true;
        }
    }
    return false;
}
