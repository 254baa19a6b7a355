#include "render/Texture.h"

#include "image/Bitmap.h"

void NTexture::Members(MemberTable<NTexture>& m) {
    m.Add<&NTexture::Bitmap>("Bitmap");
}
