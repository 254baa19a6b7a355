#include "effects/SingleParticle.h"

#include "values/ColorValue.h"
#include "values/FloatValue.h"
#include "values/VectValue.h"

void NSingleParticle::Members(MemberTable<NSingleParticle>& m) {
    m.Add<&NSingleParticle::Beg>("Beg");
    m.Add<&NSingleParticle::End>("End");
    m.Add<&NSingleParticle::Color>("Color");
    m.Add<&NSingleParticle::P>("P");
    m.Add<&NSingleParticle::Angle>("Angle");
    m.Add<&NSingleParticle::Size>("Size");
}
