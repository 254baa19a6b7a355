#pragma once

#include "object/Class.h"
#include "object/MemberTable.h"

class NBitmap;

class NTexture : public NClass {
  public:
    NClass* Create() override { return new NTexture; }
    static void Members(MemberTable<NTexture>& m);

    NBitmap* Bitmap = nullptr;
};
