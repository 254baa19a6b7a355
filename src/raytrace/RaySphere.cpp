#include "raytrace/RaySphere.h"

#include "raytrace/RaySpace.h"
#include "scene/DocumentChecks.h"
#include "scene/TransformNode.h"
#include "values/FloatValue.h"

namespace {

// Corners nearer than this depth count as the screen's edge.
constexpr float kNearZ = 20.0f;

}  // namespace

void NRaySphere::Members(MemberTable<NRaySphere>& m) {
    m.Add<&NRaySphere::Radius>("Radius");
    m.Add<&NRaySphere::TextureRepeat>("TextureRepeat");
    m.Add<&NRaySphere::ReceiveShadows>("ReceiveShadows");
}

void NRaySphere::Init() {
    if (IsSet(this, Radius, "Radius")) {
        Radius->Init();
    }
    NColorTexSpriteMesh01::Init();
}

void NRaySphere::Update() {
    if (Radius) {
        Radius->Update();
        radius = Radius->f;
    }
    if (node) {
        MatrixMultiply(WorldToRaySpace(), node->world, objectToRay);
        MatrixMultiply(node->worldInverse, RaySpaceToWorld(), rayToObject);
    } else {
        MatrixIdentity(objectToRay);
        MatrixIdentity(rayToObject);
    }
    centre = MatrixTransformPoint(objectToRay, {0, 0, 0});
    screen = ProjectSphere(centre, radius, kNearZ);
}

void NRaySphere::TexCoord(const Vector3& point, float& u, float& v) const {
    SphereTexCoord(MatrixTransformPoint(rayToObject, point), TextureRepeat, u, v);
}
