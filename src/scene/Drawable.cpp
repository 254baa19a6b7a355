#include "scene/Drawable.h"

#include "render/Material.h"

void NDrawable::Members(MemberTable<NDrawable>& m) {
    m.Add<&NDrawable::Material>("Material");
}
