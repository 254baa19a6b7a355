// The lighting both raytracers shade a hit with: a diffuse term by the angle
// between the surface and the way to a point light, an ambient term, and hard
// shadows in which only the ambient term is left.
#pragma once

#include "raytrace/RaySample.h"
#include "scene/Vector3.h"

// The cosine of the angle between the surface's `normal` (of any length) and the
// way back to the light; `fromLight` is the way from the light to the point.
inline float LambertCosine(Vector3 normal, const Vector3& fromLight) {
    VectorNormalize(normal);
    Vector3 way;
    VectorNormalizeTo(fromLight, way);
    return -VectorDot(normal, way);
}

// Writes the light of a hit into its sample: the ambient term alone in shadow (and
// the shadow bit in its hit), else intensity x cosine + ambient, never above 1. A
// surface that faces away without being shadowed may fall below the ambient term.
void LightSample(RaySample& sample, float cosine, bool inShadow, float ambient, float intensity);
// Writes a ray that hit nothing into its sample.
void MissSample(RaySample& sample);
