#pragma once

#include "object/Class.h"
#include "object/MemberTable.h"

class NScene;

class NPart : public NListNodeClass {
  public:
    NClass* Create() override { return new NPart; }
    static void Members(MemberTable<NPart>& m);

    NScene* Scene = nullptr;
    float EndTime = 0;
    float Fadeup = 0;
    float Fadedown = 0;
};
