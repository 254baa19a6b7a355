#pragma once

#include "object/Class.h"
#include "object/MemberTable.h"

class NColorValue;
class NTexture;

class NStillImage : public NClass {
  public:
    NClass* Create() override { return new NStillImage; }
    static void Members(MemberTable<NStillImage>& m);
    // Draws the picture over the whole view.
    virtual void Render() {}

    NTexture* Texture = nullptr;
    NColorValue* Color = nullptr;
};
