#include "raytrace/RayNode.h"

#include "base/FrameTime.h"
#include "base/ScalarMath.h"

void NRayNode::Members(MemberTable<NRayNode>& m) {
    m.Add<&NRayNode::Param>("Param");
}

void NRayNode::Orbit(float swing, float distance, float depthScale, float depthOffset) {
    const float k = Sin(200.0f * static_cast<float>(Param)) * 0.1f;
    const float d = k + 1.0f;
    const float s = 0.2f * CurrentTime + 600.0f;
    Matrix44 turn;
    MatrixFromEuler(turn, 1.52f * d * s, 1.24f * d * s, 2.14f * d * s);
    const Vector3 p = MatrixTransformPoint(turn, {0, 0, Sin(s + 8.0f * k) * swing + distance});
    Matrix44 move;
    MatrixTranslation(move, {-p.x, -p.y, -(depthScale * p.z + depthOffset)});
    MatrixFromEuler(turn, 1.2f * d * s, 1.5f * d * s, 1.87f * d * s);
    MatrixMultiply(move, turn, local);
    NTransformNode::Update();
}
