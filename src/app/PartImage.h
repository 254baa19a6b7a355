#pragma once

#include "app/Part.h"
#include "object/MemberTable.h"

class NStillImage;

class NPartImage : public NPart {
  public:
    NClass* Create() override { return new NPartImage; }
    static void Members(MemberTable<NPartImage>& m);

    NStillImage* Image = nullptr;
};
