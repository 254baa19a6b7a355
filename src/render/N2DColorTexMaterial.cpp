#include "render/N2DColorTexMaterial.h"

#include "render/Texture.h"

void N2DColorTexMaterial::Members(MemberTable<N2DColorTexMaterial>& m) {
    m.Add<&N2DColorTexMaterial::Texture>("Texture");
}
