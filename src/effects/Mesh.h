#pragma once

#include "object/MemberTable.h"
#include "scene/Drawable.h"

class NMesh : public NDrawable {
  public:
    NClass* Create() override { return new NMesh; }
};
