#include "raytrace/Raytracer.h"

void NRaytracer::Members(MemberTable<NRaytracer>& m) {
    m.Add<&NRaytracer::Subdivision>("Subdivision");
    m.Add<&NRaytracer::MinBlockSize>("MinBlockSize");
    m.Add<&NRaytracer::MaxBlockSize>("MaxBlockSize");
}
