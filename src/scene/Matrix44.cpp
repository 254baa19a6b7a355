#include "scene/Matrix44.h"

#include "base/ScalarMath.h"

namespace {

Vector3 Cross(const Vector3& a, const Vector3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

}  // namespace

void MatrixIdentity(Matrix44& m) {
    for (int i = 0; i < 16; ++i) {
        m.m[i] = (i % 5 == 0) ? 1.0f : 0.0f;
    }
}

void MatrixMultiply(const Matrix44& a, const Matrix44& b, Matrix44& out) {
    Matrix44 product;
    for (int c = 0; c < 4; ++c) {
        for (int r = 0; r < 4; ++r) {
            float sum = 0.0f;
            for (int k = 0; k < 4; ++k) {
                sum += a.m[4 * k + r] * b.m[4 * c + k];
            }
            product.m[4 * c + r] = sum;
        }
    }
    out = product;
}

void MatrixTranslation(Matrix44& m, const Vector3& v) {
    MatrixIdentity(m);
    m.m[12] = v.x;
    m.m[13] = v.y;
    m.m[14] = v.z;
}

void MatrixRotationX(Matrix44& m, float a) {
    const float c = Cos(a);
    const float s = Sin(a);
    MatrixIdentity(m);
    m.m[5] = c;
    m.m[6] = s;
    m.m[9] = -s;
    m.m[10] = c;
}

void MatrixRotationY(Matrix44& m, float a) {
    const float c = Cos(a);
    const float s = Sin(a);
    MatrixIdentity(m);
    m.m[0] = c;
    m.m[2] = s;
    m.m[8] = -s;
    m.m[10] = c;
}

void MatrixRotationZ(Matrix44& m, float a) {
    const float c = Cos(a);
    const float s = Sin(a);
    MatrixIdentity(m);
    m.m[0] = c;
    m.m[1] = s;
    m.m[4] = -s;
    m.m[5] = c;
}

void MatrixFromEuler(Matrix44& m, float a, float b, float c) {
    Matrix44 y;
    Matrix44 z;
    MatrixRotationX(m, a);
    MatrixRotationY(y, b);
    MatrixRotationZ(z, c);
    MatrixMultiply(m, y, m);
    MatrixMultiply(m, z, m);
}

void MatrixInvertRigid(Matrix44& m) {
    const Matrix44 c = m;
    MatrixIdentity(m);
    for (int i = 0; i < 3; ++i) {
        // Row i of the upper 3x3; dividing by its squared length undoes a uniform scale.
        const float s = c.m[i] * c.m[i] + c.m[4 + i] * c.m[4 + i] + c.m[8 + i] * c.m[8 + i];
        if (s == 0.0f) {
            MatrixIdentity(m);
            return;
        }
        m.m[i] = c.m[4 * i] / s;
        m.m[4 + i] = c.m[4 * i + 1] / s;
        m.m[8 + i] = c.m[4 * i + 2] / s;
        m.m[12 + i] = -(m.m[i] * c.m[12] + m.m[4 + i] * c.m[13] + m.m[8 + i] * c.m[14]);
    }
}

void MatrixLookAt(Matrix44& m, const Vector3& eye, const Vector3& target) {
    Vector3 f = {eye.x - target.x, eye.y - target.y, eye.z - target.z};
    VectorNormalize(f);
    Vector3 r = {-f.z, 0.0f, f.x};
    if (r.x * r.x + r.z * r.z == 0.0f) {
        // Looking straight up or down: any right vector in the x-z plane will do;
        // this one continues the view seen from the +z side.
        r = {-1.0f, 0.0f, 0.0f};
    }
    VectorNormalize(r);
    const Vector3 u = Cross(f, r);

    Matrix44 d;
    MatrixIdentity(d);
    d.m[0] = r.x;
    d.m[4] = r.y;
    d.m[8] = r.z;
    d.m[1] = u.x;
    d.m[5] = u.y;
    d.m[9] = u.z;
    d.m[2] = f.x;
    d.m[6] = f.y;
    d.m[10] = f.z;

    Matrix44 moveEye;
    MatrixTranslation(moveEye, {-eye.x, -eye.y, -eye.z});
    MatrixMultiply(d, moveEye, m);
}
