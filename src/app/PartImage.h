// A part that draws a still image over its scene.
#pragma once

#include "app/Part.h"
#include "reflect/MemberTable.h"

class NStillImage;

class NPartImage : public NPart {
  public:
    NClass* Create() override { return new NPartImage; }
    static void Members(MemberTable<NPartImage>& m);

    // The image first, then the scene.
    void Init() override;
    // The scene first, then the image over it.
    void Update() override;

    NStillImage* Image = nullptr;
};
