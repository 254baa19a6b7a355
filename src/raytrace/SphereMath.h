// Sphere arithmetic shared by both raytracer generations, all in ray space: the
// eye at the origin, primary rays through (x, y, 1) for a sample at screen (x, y).
#pragma once

#include <cmath>

#include "scene/Vector3.h"

// The part of the screen a sphere may cover, in sample screen coordinates.
struct ScreenRect {
    float xMax = 0;
    float yMax = 0;
    float xMin = 0;
    float yMin = 0;

    bool Contains(float x, float y) const {
        return xMin <= x && x <= xMax && yMin <= y && y <= yMax;
    }
};

// Projects the eight corners of the cube centre +- radius; a corner nearer than
// `nearZ` counts as the screen's edge on its side, so a sphere close to or around
// the eye covers the screen.
ScreenRect ProjectSphere(const Vector3& centre, float radius, float nearZ);

// The two roots of origin + t * direction meeting the sphere; false when the ray
// misses it. The direction need not be unit length.
struct SphereRoots {
    float nearer = 0;
    float farther = 0;
};
inline bool IntersectSphere(const Vector3& origin, const Vector3& direction, const Vector3& centre,
                            float radiusSquared, SphereRoots& roots) {
    const Vector3 oc = {origin.x - centre.x, origin.y - centre.y, origin.z - centre.z};
    const float b =
        2.0f * direction.x * oc.x + 2.0f * direction.y * oc.y + 2.0f * direction.z * oc.z;
    const float a =
        direction.x * direction.x + direction.y * direction.y + direction.z * direction.z;
    const float m = oc.x * oc.x + oc.y * oc.y + oc.z * oc.z - radiusSquared;
    const float disc = b * b - m * (4.0f * a);
    if (disc < 0.0f) {
        return false;
    }
    const float root = std::sqrt(disc);
    roots.nearer = (-b - root) / a * 0.5f;
    roots.farther = (root - b) / a * 0.5f;
    return true;
}

// Texture coordinates of a direction in the sphere's object space: each of the
// unit vector's x and y through atan2(a, 1 - a^2), scaled into 0..`repeat`.
void SphereTexCoord(Vector3 q, float repeat, float& u, float& v);
