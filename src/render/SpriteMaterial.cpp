#include "render/SpriteMaterial.h"

#include "render/Texture.h"

void NSpriteMaterial::Members(MemberTable<NSpriteMaterial>& m) {
    m.Add<&NSpriteMaterial::Texture0>("Texture0");
    m.Add<&NSpriteMaterial::Texture1>("Texture1");
}
