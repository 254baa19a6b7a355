#include "scene/Scene.h"

#include "base/Con.h"
#include "base/FrameStats.h"
#include "base/FrameTime.h"
#include "render/Renderer.h"
#include "render/VertexPool.h"
#include "scene/DocumentChecks.h"
#include "scene/StillImage.h"
#include "scene/View.h"

NScene* CurrentScene = nullptr;
int RenderPass = 1;

void NScene::Members(MemberTable<NScene>& m) {
    m.Add<&NScene::EndTime>("EndTime");
    m.Add<&NScene::BackgroundImage>("BackgroundImage");
    m.Add<&NScene::View3D>("View3D");
    m.Add<&NScene::View2D>("View2D");
    m.Tree<&NScene::root>("Nodes", "TransformNode");
}

void NScene::Init() {
    if (initialised) {
        return;
    }
    initialised = true;
    CurrentScene = this;
    if (CurrentVertexPool) {
        CurrentVertexPool->ReportSceneInitBegin(this);
    }
    IsSet(this, View2D, "View2D");
    if (BackgroundImage) {
        BackgroundImage->Init();
    }
    root.Init();
    InitTree(&root);
    if (CurrentVertexPool) {
        CurrentVertexPool->ReportSceneInitEnd(this);
    }
}

void NScene::Update() {
    ++FrameNumber;
    CurrentScene = this;
    if (CurrentVertexPool) {
        CurrentVertexPool->Reset();
    }
    if (BackgroundImage) {
        BackgroundImage->Update();
    }
    DrawBackground();
    UpdateTree(&root);
    if (View2D) {
        const SubmitTimer submitting;
        View2D->Apply();
    }
    RenderPassOf(2);
    RenderPassOf(1);
}

namespace {

// Nodes read other nodes' matrices as the last frame left them (a raytracer's
// primitives read the camera's, which updates after them), so those go back too.
void ResetTree(NTreeNodeClass* node) {
    for (; node; node = node->next) {
        // SetParent lets only transform nodes into a scene's tree.
        static_cast<NTransformNode*>(node)->ResetMatrices();
        ResetTree(node->firstChild);
    }
}

}  // namespace

void NScene::Rewind() {
    for (NDrawable* drawable = drawables.next; drawable; drawable = drawable->next) {
        drawable->Rewind();
    }
    ResetTree(root.firstChild);
}

bool NScene::KeepsHistory() const {
    for (const NDrawable* drawable = drawables.next; drawable; drawable = drawable->next) {
        if (drawable->KeepsHistory()) {
            return true;
        }
    }
    return false;
}

void NScene::DrawBackground() {
    const SubmitTimer submitting;
    CurrentRenderer().Clear({1.0f, 0.0f, 0.0f, 1.0f});
    if (BackgroundImage) {
        BackgroundImage->Render();
    }
}

void NScene::SetParent(NListNodeClass* node) {
    if (node && !IsOfClass(node, "Scene")) {
        Con.Error("SetParent: class %s is not a Scene", ClassNameOf(node));
        return;
    }
    NListNodeClass::SetParent(node);
}

void NScene::RenderPassOf(int pass) {
    RenderPass = pass;
    for (NDrawable* drawable = drawables.next; drawable; drawable = drawable->next) {
        if (drawable->pass == pass) {
            drawable->Render();
        }
    }
}
