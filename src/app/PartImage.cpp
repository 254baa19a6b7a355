#include "app/PartImage.h"

#include "scene/StillImage.h"

void NPartImage::Members(MemberTable<NPartImage>& m) {
    m.Add<&NPartImage::Image>("Image");
}

void NPartImage::Init() {
    if (Image) {
        Image->Init();
    }
    NPart::Init();
}

void NPartImage::Update() {
    NPart::Update();
    if (Image) {
        Image->Update();
        Image->Render();
    }
}
