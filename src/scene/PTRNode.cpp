#include "scene/PTRNode.h"

#include "base/Con.h"
#include "scene/DocumentChecks.h"
#include "values/FloatValue.h"
#include "values/VectValue.h"

void NPTRNode::Members(MemberTable<NPTRNode>& m) {
    m.Add<&NPTRNode::Position>("Position");
    m.Add<&NPTRNode::Target>("Target");
    m.Add<&NPTRNode::Roll>("Roll");
}

namespace {

Vector3 VectorOf(const NVectValue* value) {
    return value ? Vector3{value->x, value->y, value->z} : Vector3{0, 0, 0};
}

}  // namespace

void NPTRNode::Init() {
    if (IsSet(this, Position, "Position")) {
        Position->Init();
    }
    if (Target) {
        Target->Init();
    } else {
        // Reported once here rather than every frame: the node is refused at set-up.
        Con.Error("NCamera %p: no target\n", static_cast<void*>(this));
    }
    if (IsSet(this, Roll, "Roll")) {
        Roll->Init();
    }
    NTransformNode::Init();
}

void NPTRNode::Update() {
    if (!Target) {
        return;
    }
    if (Position) {
        Position->Update();
    }
    Target->Update();
    if (Roll) {
        Roll->Update();
    }
    MatrixLookAt(localInverse, VectorOf(Position), VectorOf(Target));
    local = localInverse;
    MatrixInvertRigid(local);
    Finish();
}
