#include "scene/PAANode.h"

#include "scene/DocumentChecks.h"
#include "scene/Quat.h"
#include "values/FloatValue.h"
#include "values/VectValue.h"

void NPAANode::Members(MemberTable<NPAANode>& m) {
    m.Add<&NPAANode::Position>("Position");
    m.Add<&NPAANode::RotationAngle>("RotationAngle");
    m.Add<&NPAANode::RotationAxis>("RotationAxis");
}

namespace {

Vector3 VectorOf(const NVectValue* value) {
    return value ? Vector3{value->x, value->y, value->z} : Vector3{0, 0, 0};
}

}  // namespace

void NPAANode::Init() {
    if (IsSet(this, Position, "Position")) {
        Position->Init();
    }
    if (IsSet(this, RotationAngle, "RotationAngle")) {
        RotationAngle->Init();
    }
    if (IsSet(this, RotationAxis, "RotationAxis")) {
        RotationAxis->Init();
    }
    NTransformNode::Init();
}

void NPAANode::Update() {
    if (Position) {
        Position->Update();
    }
    if (RotationAngle) {
        RotationAngle->Update();
    }
    if (RotationAxis) {
        RotationAxis->Update();
    }
    Matrix44 translation;
    MatrixTranslation(translation, VectorOf(Position));
    // A zero axis gives the identity rotation, whatever the angle.
    Quat turn;
    QuatFromAxisAngle(turn, RotationAngle ? RotationAngle->f : 0.0f, VectorOf(RotationAxis));
    Matrix44 rotation;
    MatrixFromQuat(rotation, turn);
    MatrixMultiply(translation, rotation, local);
    localInverse = local;
    MatrixInvertRigid(localInverse);
    Finish();
}
