#include "render/N2DColorTex2Material.h"

#include "render/Texture.h"

void N2DColorTex2Material::Members(MemberTable<N2DColorTex2Material>& m) {
    m.Add<&N2DColorTex2Material::Texture0>("Texture0");
    m.Add<&N2DColorTex2Material::Texture1>("Texture1");
}
