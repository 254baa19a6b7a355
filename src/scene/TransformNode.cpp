#include "scene/TransformNode.h"

#include "base/Con.h"
#include "scene/DocumentChecks.h"
#include "scene/TransformNodeContent.h"

void NTransformNode::Members(MemberTable<NTransformNode>& m) {
    m.Add<&NTransformNode::Object>("Object");
}

NTransformNode::NTransformNode() {
    ResetMatrices();
}

void NTransformNode::ResetMatrices() {
    MatrixIdentity(localInverse);
    MatrixIdentity(local);
    MatrixIdentity(worldInverse);
    MatrixIdentity(world);
}

void NTransformNode::Init() {
    if (parent && !Object) {
        Con.Error("TransformNode [%s]: Object is not set", ClassNameOf(this));
    }
    if (Object) {
        Object->node = this;
        Object->Init();
    }
}

void NTransformNode::Update() {
    localInverse = local;
    MatrixInvertRigid(localInverse);
    Finish();
}

void NTransformNode::SetParent(NTreeNodeClass* newParent) {
    if (newParent && !IsOfClass(newParent, "TransformNode")) {
        Con.Error("SetParent: class %s is not a Transform Node", ClassNameOf(newParent));
        return;
    }
    NTreeNodeClass::SetParent(newParent);
}

void NTransformNode::LinkAfter(NTreeNodeClass* sibling) {
    if (sibling && !IsOfClass(sibling, "TransformNode")) {
        Con.Error("SetParent: class %s is not a Transform Node", ClassNameOf(sibling));
        return;
    }
    NTreeNodeClass::LinkAfter(sibling);
}

void NTransformNode::Compose() {
    // The tree operations admit only transform nodes, but the links are public
    // fields: a parent of any other kind counts as none.
    const auto* up = dynamic_cast<const NTransformNode*>(parent);
    if (!up) {
        return;
    }
    MatrixMultiply(up->world, local, world);
    MatrixMultiply(localInverse, up->worldInverse, worldInverse);
}

void NTransformNode::Finish() {
    Compose();
    if (Object) {
        Object->Update();
    }
}
