// Readers of a mesh's vertex records, by the layout the mesh accepted.
#pragma once

#include <cstdint>
#include <cstring>

#include "effects/Mesh.h"

namespace meshtest {

struct Floats {
    float x = 0, y = 0, z = 0;
};

struct Bytes {
    int r = 0, g = 0, b = 0, a = 0;
};

inline Floats Read(const NMesh& mesh, int vertex, const VertexAttribute& attribute) {
    Floats out;
    std::memcpy(&out, mesh.vertices.data() + vertex * mesh.layout->stride + attribute.offset,
                attribute.size);
    return out;
}

inline Floats Position(const NMesh& mesh, int vertex) {
    return Read(mesh, vertex, mesh.layout->position);
}
inline Floats TexCoord(const NMesh& mesh, int vertex, int unit) {
    return Read(mesh, vertex, mesh.layout->texture[unit]);
}
inline Floats Normal(const NMesh& mesh, int vertex) {
    return Read(mesh, vertex, mesh.layout->normal);
}
inline Bytes Color(const NMesh& mesh, int vertex) {
    const uint8_t* at =
        mesh.vertices.data() + vertex * mesh.layout->stride + mesh.layout->color.offset;
    return {at[0], at[1], at[2], at[3]};
}

}  // namespace meshtest
