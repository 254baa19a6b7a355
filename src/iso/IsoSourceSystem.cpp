#include "iso/IsoSourceSystem.h"

#include "base/ScalarMath.h"
#include "iso/IsoRandom.h"
#include "scene/Matrix44.h"
#include "scene/Quat.h"

// The time offset keeps the orbits away from their symmetric start at t = 0.
constexpr float kOrbitTimeOffset = 220.0f;

void IsoSourceSystem::MakeSources(IsoRandom& random) {
    if (made || count > kMaxSources) {
        return;
    }
    made = true;
    for (int n = 0; n < count; ++n) {
        IsoSource& source = sources[n];
        for (float& spin : source.spin) {
            spin = 0.6f + 0.2f * random.Next();
        }
        for (float& tilt : source.tilt) {
            tilt = 0.8f + 0.1f * random.Next();
        }
        source.position = {0, 0, 0};
    }
}

void IsoSourceSystem::MoveTo(float t) {
    if (t == lastMoveTime) {
        return;
    }
    lastMoveTime = t;
    const float s = t + kOrbitTimeOffset;
    const Vector3 onOrbit{orbitRadius + orbitSwing * Sin(s), 0, 0};
    for (int n = 0; n < ActiveCount(); ++n) {
        IsoSource& source = sources[n];
        Quat qx, qy, qz, q;
        QuatFromAxisAngle(qx, s * source.spin[0], Vector3{1, 0, 0});
        QuatFromAxisAngle(qy, s * source.spin[1], Vector3{0, 1, 0});
        QuatFromAxisAngle(qz, s * source.spin[2], Vector3{0, 0, 1});
        QuatMultiply(qx, qy, q);
        QuatMultiply(q, qz, q);
        Matrix44 turn;
        MatrixFromQuat(turn, q);
        source.position = MatrixTransformPoint(turn, onOrbit);
    }
}

IsoSourceSystem& DefaultIsoSourceSystem() {
    static IsoSourceSystem system;
    return system;
}
