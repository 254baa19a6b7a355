#pragma once

#include "reflect/MemberTable.h"
#include "scene/Drawable.h"

class NMesh : public NDrawable {
  public:
    NClass* Create() override { return new NMesh; }
};
