// A full-screen picture: a textured, tinted quad over the whole view. Scenes use it
// as their background, parts draw it over their scene, the demo shows one while it
// loads.
#pragma once

#include "reflect/Class.h"
#include "reflect/MemberTable.h"

class NColorValue;
class NTexture;

class NStillImage : public NClass {
  public:
    NClass* Create() override { return new NStillImage; }
    static void Members(MemberTable<NStillImage>& m);

    // The colour, then the texture (which loads its bitmap and uploads it).
    void Init() override;
    void Update() override;
    // Draws the picture over everything, blended when the colour is translucent.
    // Without a colour the picture is drawn untinted; without a usable texture it is
    // a plain quad of the colour.
    virtual void Render();

    NTexture* Texture = nullptr;
    NColorValue* Color = nullptr;
};
