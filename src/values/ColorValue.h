#pragma once

#include "object/Class.h"
#include "object/MemberTable.h"

class NColorValue : public NClass {
  public:
    NClass* Create() override { return new NColorValue; }
    static void Members(MemberTable<NColorValue>& m);

    float r = 0;
    float g = 0;
    float b = 0;
    float a = 0;
};
