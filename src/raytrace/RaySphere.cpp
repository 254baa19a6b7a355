#include "raytrace/RaySphere.h"

#include "values/FloatValue.h"

void NRaySphere::Members(MemberTable<NRaySphere>& m) {
    m.Add<&NRaySphere::Radius>("Radius");
    m.Add<&NRaySphere::TextureRepeat>("TextureRepeat");
    m.Add<&NRaySphere::ReceiveShadows>("ReceiveShadows");
}
