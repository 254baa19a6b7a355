#include "raytrace/Light.h"

#include "values/FloatValue.h"

void NLight::Members(MemberTable<NLight>& m) {
    m.Add<&NLight::Ambient>("Ambient");
    m.Add<&NLight::Intensity>("Intensity");
}
