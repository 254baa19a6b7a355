#pragma once

#include "object/MemberTable.h"
#include "scene/View.h"

class NCamera : public NView {
  public:
    NClass* Create() override { return new NCamera; }
    static void Members(MemberTable<NCamera>& m);

    float ViewAngle = 0;
    float FarZ = 0;
};
