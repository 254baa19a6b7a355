// The lighting both raytracers shade a hit with: a diffuse term by the angle
// between the surface and the way to a point light, an ambient term, and hard
// shadows in which only the ambient term is left.
#pragma once

#include <algorithm>

#include "base/ScalarMath.h"
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
inline void LightSample(RaySample& sample, float cosine, bool inShadow, float ambient,
                        float intensity) {
    float s = ambient;
    if (inShadow) {
        sample.hit |= kRayShadow;
    } else {
        s = std::min(intensity * cosine + ambient, 1.0f);
    }
    sample.shade = ToByte(s);
    sample.colour[0] = sample.colour[1] = sample.colour[2] = s;
    sample.colour[3] = 1.0f;
}

// Writes a ray that hit nothing into its sample.
inline void MissSample(RaySample& sample) {
    sample.shade = 0;
    sample.colour[0] = sample.colour[1] = sample.colour[2] = sample.colour[3] = 0.0f;
    sample.u = 0.0f;
    sample.v = 0.0f;
    sample.hit = kRayMiss;
}
