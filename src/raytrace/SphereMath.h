// Sphere arithmetic shared by both raytracer generations, all in ray space: the
// eye at the origin, primary rays through (x, y, 1) for a sample at screen (x, y).
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

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

// A sphere seen from one ray origin: what the intersection needs besides the
// direction, so rays that share an origin share this part of the work.
struct SphereQuery {
    Vector3 oc;  // origin - centre
    float m;     // oc . oc - radius^2
};
inline SphereQuery QuerySphere(const Vector3& origin, const Vector3& centre, float radiusSquared) {
    const Vector3 oc = VectorDifference(origin, centre);
    return {oc, VectorDot(oc, oc) - radiusSquared};
}

// The quadratic's a, b and the square root of its discriminant; false on a miss.
struct SphereQuadratic {
    float a = 0;
    float b = 0;
    float root = 0;
};
inline bool SolveSphere(const SphereQuery& q, const Vector3& direction, SphereQuadratic& s) {
    s.b = 2.0f * direction.x * q.oc.x + 2.0f * direction.y * q.oc.y + 2.0f * direction.z * q.oc.z;
    s.a = VectorDot(direction, direction);
    const float disc = s.b * s.b - q.m * (4.0f * s.a);
    if (disc < 0.0f) {
        return false;
    }
    s.root = std::sqrt(disc);
    return true;
}

// The two roots t of origin + t * direction meeting the sphere; false when the ray
// misses it. The direction need not be unit length.
struct SphereRoots {
    float nearer = 0;
    float farther = 0;
};
inline bool IntersectSphere(const SphereQuery& q, const Vector3& direction, SphereRoots& roots) {
    SphereQuadratic s;
    if (!SolveSphere(q, direction, s)) {
        return false;
    }
    roots.nearer = (-s.b - s.root) / s.a * 0.5f;
    roots.farther = (s.root - s.b) / s.a * 0.5f;
    return true;
}

// IntersectSphere's nearer or farther root alone, one division instead of two.
inline bool IntersectSphereRoot(const SphereQuery& q, const Vector3& direction, bool farther,
                                float& t) {
    SphereQuadratic s;
    if (!SolveSphere(q, direction, s)) {
        return false;
    }
    t = (farther ? s.root - s.b : -s.b - s.root) / s.a * 0.5f;
    return true;
}

// atan(z) for |z| <= 1, a minimax polynomial.
inline float AtanUnit(float z) {
    const float z2 = z * z;
    return z * (0.99997726f +
                z2 * (-0.33262347f +
                      z2 * (0.19354346f +
                            z2 * (-0.11643287f + z2 * (0.05265332f + z2 * -0.01172120f)))));
}

// atan2(a, 1 - a^2) for |a| <= 1 by a polynomial, within 1e-5 radians. The angle
// lies within -pi/2..pi/2; the polynomial takes the smaller leg over the larger.
inline float FastAtanOneMinusSquare(float a) {
    const float opposite = std::fabs(a);
    const float adjacent = std::max(1.0f - a * a, 0.0f);
    const float larger = std::max(opposite, adjacent);
    // Divides unconditionally, by 1 where both legs are 0, so the compiler may
    // run several of these side by side.
    const float ratio = std::min(opposite, adjacent) / (larger == 0.0f ? 1.0f : larger);
    const float angle = AtanUnit(ratio);
    return std::copysign(opposite > adjacent ? 1.5707964f - angle : angle, a);
}

// Texture coordinates of a direction in the sphere's object space: each of the
// unit vector's x and y through atan2(a, 1 - a^2), scaled into 0..`repeat`. The
// arctangent is a polynomial within 1e-5 radians: a texel is far coarser.
void SphereTexCoord(Vector3 q, float repeat, float& u, float& v);

// Directions waiting for their texture coordinates, each term in an array of its
// own so the arithmetic runs on several directions at once.
struct TexCoordBatch {
    static constexpr int32_t kSize = 64;
    float x[kSize];
    float y[kSize];
    float z[kSize];
    float repeat[kSize];
    float u[kSize];
    float v[kSize];
    int32_t count = 0;
};
// SphereTexCoord for each direction of the batch, with the same results.
void SphereTexCoords(TexCoordBatch& batch);
