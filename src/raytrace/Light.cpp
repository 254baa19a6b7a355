#include "raytrace/Light.h"

#include "base/FrameTime.h"
#include "raytrace/RaySpace.h"
#include "scene/DocumentChecks.h"
#include "scene/TransformNode.h"
#include "values/FloatValue.h"

namespace {

// The value's current level, or 0 for a value the document left out.
float Level(NFloatValue* value) {
    if (!value) {
        return 0.0f;
    }
    value->Update();
    return value->f;
}

}  // namespace

void NLight::Members(MemberTable<NLight>& m) {
    m.Add<&NLight::Ambient>("Ambient");
    m.Add<&NLight::Intensity>("Intensity");
}

void NLight::Init() {
    if (IsSet(this, Ambient, "Ambient")) {
        Ambient->Init();
    }
    if (IsSet(this, Intensity, "Intensity")) {
        Intensity->Init();
    }
}

void NLight::Update() {
    ambient = Level(Ambient) * PartFade;
    intensity = Level(Intensity) * PartFade;
    if (node) {
        MatrixMultiply(node->world, WorldToRaySpace(), raySpace);
    } else {
        MatrixIdentity(raySpace);
    }
    position = {-raySpace.m[12], -raySpace.m[13], -raySpace.m[14]};
}
