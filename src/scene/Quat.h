// Rotation quaternions: vector part first, then the scalar part.
#pragma once

#include "scene/Matrix44.h"
#include "scene/Vector3.h"

struct Quat {
    float x, y, z, w;
};

// Builds the quaternion for a turn by `angle` radians about `axis` (used as given,
// not normalised). The half angle is negated because MatrixFromQuat writes the
// transposed rotation; the pair together turns right-handed by +angle.
void QuatFromAxisAngle(Quat& q, float angle, const Vector3& axis);
// out = b * a (Hamilton product, the second argument on the left); `out` may be
// `a` or `b`. MatrixFromQuat(QuatMultiply(a, b)) equals
// MatrixFromQuat(a) * MatrixFromQuat(b).
void QuatMultiply(const Quat& a, const Quat& b, Quat& out);
// The rotation matrix of a quaternion from QuatFromAxisAngle.
void MatrixFromQuat(Matrix44& m, const Quat& q);
