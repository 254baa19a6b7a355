#include "effects/StillImage.h"

#include "render/Texture.h"
#include "values/ColorValue.h"

void NStillImage::Members(MemberTable<NStillImage>& m) {
    m.Add<&NStillImage::Texture>("Texture");
    m.Add<&NStillImage::Color>("Color");
}
