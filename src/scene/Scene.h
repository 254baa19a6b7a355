#pragma once

#include "object/Class.h"
#include "object/MemberTable.h"
#include "scene/IdentityNode.h"

class NStillImage;
class NView;

class NScene : public NListNodeClass {
  public:
    NClass* Create() override { return new NScene; }
    static void Members(MemberTable<NScene>& m);

    float EndTime = 0;
    NStillImage* BackgroundImage = nullptr;
    NView* View3D = nullptr;
    NView* View2D = nullptr;
    NIdentityNode root;
};
