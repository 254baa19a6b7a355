#pragma once

#include "reflect/MemberTable.h"
#include "scene/Scene.h"

class NTestScene01 : public NScene {
  public:
    NClass* Create() override { return new NTestScene01; }
};
