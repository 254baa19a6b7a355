#pragma once

#include "app/Part.h"
#include "object/Class.h"
#include "object/MemberTable.h"

class NStillImage;
class NString;

class NDemo : public NClass {
  public:
    NClass* Create() override { return new NDemo; }
    static void Members(MemberTable<NDemo>& m);

    NStillImage* LoadingImage = nullptr;
    NPart PartList;
    NString* SoundFile = nullptr;
};
