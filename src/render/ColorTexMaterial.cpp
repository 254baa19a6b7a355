#include "render/ColorTexMaterial.h"

#include "render/Texture.h"

void NColorTexMaterial::Members(MemberTable<NColorTexMaterial>& m) {
    m.Add<&NColorTexMaterial::Texture>("Texture");
}
