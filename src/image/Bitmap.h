#pragma once

#include <cstdlib>

#include "object/Class.h"
#include "object/MemberTable.h"

class NBitmap : public NClass {
  public:
    ~NBitmap() override { free(Filename); }
    NClass* Create() override { return new NBitmap; }
    static void Members(MemberTable<NBitmap>& m);

    char* Filename = nullptr;
};
