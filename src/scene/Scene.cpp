#include "scene/Scene.h"

#include "effects/StillImage.h"
#include "scene/View.h"

void NScene::Members(MemberTable<NScene>& m) {
    m.Add<&NScene::EndTime>("EndTime");
    m.Add<&NScene::BackgroundImage>("BackgroundImage");
    m.Add<&NScene::View3D>("View3D");
    m.Add<&NScene::View2D>("View2D");
    m.Tree<&NScene::root>("Nodes", "TransformNode");
}
