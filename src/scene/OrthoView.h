#pragma once

#include "object/MemberTable.h"
#include "scene/View.h"

class NOrthoView : public NView {
  public:
    NClass* Create() override { return new NOrthoView; }
};
