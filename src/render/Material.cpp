#include "render/Material.h"

#include "render/Shader.h"

void NMaterial::Members(MemberTable<NMaterial>& m) {
    m.Add<&NMaterial::Shader>("Shader");
}
