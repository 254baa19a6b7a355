// A flat view over a fixed 4:3 frame, whatever the window: x from -1 (left) to 1
// (right), y from -0.75 (top) to 0.75 (bottom), so y grows downward.
#pragma once

#include "reflect/MemberTable.h"
#include "scene/View.h"

class NOrthoView : public NView {
  public:
    NClass* Create() override { return new NOrthoView; }
    void Apply() override;
};
