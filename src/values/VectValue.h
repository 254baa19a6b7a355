#pragma once

#include "object/Class.h"
#include "object/MemberTable.h"

class NVectValue : public NClass {
  public:
    NClass* Create() override { return new NVectValue; }
    static void Members(MemberTable<NVectValue>& m);

    float x = 0;
    float y = 0;
    float z = 0;
};
