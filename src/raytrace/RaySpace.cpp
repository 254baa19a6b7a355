#include "raytrace/RaySpace.h"

#include "scene/Scene.h"
#include "scene/TransformNode.h"
#include "scene/View.h"

namespace {

const NTransformNode* ViewNode() {
    if (!CurrentScene || !CurrentScene->View3D) {
        return nullptr;
    }
    return CurrentScene->View3D->node;
}

const Matrix44& Identity() {
    static const Matrix44 identity = [] {
        Matrix44 m;
        MatrixIdentity(m);
        return m;
    }();
    return identity;
}

}  // namespace

const Matrix44& WorldToRaySpace() {
    const NTransformNode* node = ViewNode();
    return node ? node->worldInverse : Identity();
}

const Matrix44& RaySpaceToWorld() {
    const NTransformNode* node = ViewNode();
    return node ? node->world : Identity();
}
