// 4x4 float matrices in OpenGL column order: element (row r, column c) is m[4c + r],
// points are column vectors (p' = M * p) and the translation sits at m[12..14].
// The layout is handed to OpenGL unchanged. Every operation writes into a matrix
// the caller provides; none allocates.
#pragma once

#include "scene/Vector3.h"

struct Matrix44 {
    float m[16];
};

void MatrixIdentity(Matrix44& m);
// out = a * b (b applied first); `out` may be `a` or `b`.
void MatrixMultiply(const Matrix44& a, const Matrix44& b, Matrix44& out);
// M * (v, 1), without the perspective divide.
inline Vector3 MatrixTransformPoint(const Matrix44& m, const Vector3& v) {
    const float* e = m.m;
    return {e[0] * v.x + e[4] * v.y + e[8] * v.z + e[12],
            e[1] * v.x + e[5] * v.y + e[9] * v.z + e[13],
            e[2] * v.x + e[6] * v.y + e[10] * v.z + e[14]};
}
void MatrixTranslation(Matrix44& m, const Vector3& v);
// Right-handed turns about x (y toward z) and z (x toward y), by `a` radians.
void MatrixRotationX(Matrix44& m, float a);
void MatrixRotationZ(Matrix44& m, float a);
// Turns x toward +z: the opposite sense of the other two. Scenes and the
// raytracers are authored against this sense, so it must stay.
void MatrixRotationY(Matrix44& m, float a);
// RotationX(a) * RotationY(b) * RotationZ(c).
void MatrixFromEuler(Matrix44& m, float a, float b, float c);
// Inverts in place a rotation with uniform scale plus a translation. A matrix with
// a zero row in its upper 3x3 becomes the identity.
void MatrixInvertRigid(Matrix44& m);
// The view matrix of an eye looking at `target`: rows r, u, f with
// f = normalize(eye - target), r = normalize(f x (0, 1, 0)), u = f x r, then the
// eye moved to the origin. Eye (0, 0, 5) at the origin turns world +y into view -y.
// Looking straight along y, r is taken as (-1, 0, 0) so the view stays usable; with
// the eye on the target the matrix is degenerate (but finite).
void MatrixLookAt(Matrix44& m, const Vector3& eye, const Vector3& target);
