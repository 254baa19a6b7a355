#include "raytrace/Lambert.h"

#include <algorithm>

#include "base/ScalarMath.h"

void LightSample(RaySample& sample, float cosine, bool inShadow, float ambient, float intensity) {
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

void MissSample(RaySample& sample) {
    sample.shade = 0;
    sample.colour[0] = sample.colour[1] = sample.colour[2] = sample.colour[3] = 0.0f;
    sample.u = 0.0f;
    sample.v = 0.0f;
    sample.hit = kRayMiss;
}
