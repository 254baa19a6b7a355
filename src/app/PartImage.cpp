#include "app/PartImage.h"

#include "effects/StillImage.h"

void NPartImage::Members(MemberTable<NPartImage>& m) {
    m.Add<&NPartImage::Image>("Image");
}
