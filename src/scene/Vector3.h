// Three 32-bit floats: a point or a direction.
#pragma once

struct Vector3 {
    float x, y, z;
};

// Scales `v` to unit length in place; a zero vector stays zero.
void VectorNormalize(Vector3& v);
// Writes `v` scaled to unit length to `out`, leaving `v` alone; a zero vector gives
// (1, 0, 0), so lighting always has a direction to work with.
void VectorNormalizeTo(const Vector3& v, Vector3& out);
