#include "effects/Mesh.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "base/Budgets.h"
#include "base/Con.h"
#include "base/FrameStats.h"
#include "render/Material.h"
#include "render/Renderer.h"
#include "scene/DocumentChecks.h"
#include "scene/Matrix44.h"
#include "scene/Scene.h"
#include "scene/TransformNode.h"
#include "scene/View.h"

namespace {

bool SameAttribute(const VertexAttribute& a, const VertexAttribute& b) {
    return a.offset == b.offset && a.size == b.size;
}

// Pass 1 draws in camera space: the View3D node's worldInverse times the mesh's own
// world. A missing camera or node counts as the identity.
Matrix44 ModelViewOf(const NMesh& mesh) {
    Matrix44 matrix;
    MatrixIdentity(matrix);
    if (mesh.pass == 1) {
        const NView* view = CurrentScene ? CurrentScene->View3D : nullptr;
        if (view && view->node) {
            matrix = view->node->worldInverse;
        }
        if (mesh.node) {
            MatrixMultiply(matrix, mesh.node->world, matrix);
        }
    }
    return matrix;
}

}  // namespace

bool SameLayout(const VertexLayout& a, const VertexLayout& b) {
    if (!SameAttribute(a.position, b.position) || !SameAttribute(a.color, b.color) ||
        !SameAttribute(a.normal, b.normal) || a.stride != b.stride) {
        return false;
    }
    for (int unit = 0; unit < kTextureUnitCount; ++unit) {
        if (!SameAttribute(a.texture[unit], b.texture[unit])) {
            return false;
        }
    }
    return true;
}

const char* LayoutName(const VertexLayout& layout) {
    if (SameLayout(layout, kColorTextureLayout)) {
        return "colour-texture";
    }
    if (SameLayout(layout, kParticleLayout)) {
        return "particle";
    }
    if (SameLayout(layout, kSpriteLayout)) {
        return "sprite";
    }
    if (SameLayout(layout, kTwoTextureLayout)) {
        return "two-texture";
    }
    return "unnamed";
}

NMesh::~NMesh() {
    CurrentRenderer().DeleteMeshBuffers(buffers);
}

const char* NMesh::MeshName() const {
    return ClassNameOf(this);
}

bool NMesh::AcceptMaterial() {
    if (!layout && !refused) {
        refused = !MaterialFits();
        layout = refused ? nullptr : Material->vertexLayout;
    }
    return layout != nullptr;
}

bool NMesh::MaterialFits() const {
    if (!Material) {
        Con.Error("%s: 'Material' is not set; the mesh is not drawn", MeshName());
        return false;
    }
    const VertexLayout* offered = Material->vertexLayout;
    if (!offered || offered->stride <= 0) {
        Con.Error("%s: the material has no vertex layout; the mesh is not drawn", MeshName());
        return false;
    }
    const VertexLayout* required = RequiredLayout();
    if (required && !SameLayout(*offered, *required)) {
        Con.Error(
            "%s: needs a material with the %s vertex layout (%d bytes), not the %s layout "
            "(%d bytes); the mesh is not drawn",
            MeshName(), LayoutName(*required), required->stride, LayoutName(*offered),
            offered->stride);
        return false;
    }
    return true;
}

bool NMesh::CapacitiesAllowed(int64_t vertexTotal, int64_t triangleTotal) const {
    if (vertexTotal < 0 || triangleTotal < 0 || vertexTotal > kMaxVertices ||
        triangleTotal > kMaxTriangles) {
        Con.Error(
            "%s: %lld vertices and %lld triangles are beyond the %lld and %lld a mesh may "
            "have; the mesh is not drawn",
            MeshName(), static_cast<long long>(vertexTotal), static_cast<long long>(triangleTotal),
            static_cast<long long>(kMaxVertices), static_cast<long long>(kMaxTriangles));
        return false;
    }
    const int64_t sceneTotal = (CurrentScene ? CurrentScene->meshVertices : 0) + vertexTotal;
    if (sceneTotal > kMaxSceneVertices) {
        Con.Error(
            "%s: %lld vertices would take the meshes of its scene to %lld, beyond the %lld "
            "one scene may have; the mesh is not drawn",
            MeshName(), static_cast<long long>(vertexTotal), static_cast<long long>(sceneTotal),
            static_cast<long long>(kMaxSceneVertices));
        return false;
    }
    return true;
}

bool NMesh::AllocateArrays(int64_t vertexTotal, int64_t triangleTotal) {
    if (!layout) {
        return false;
    }
    if (!CapacitiesAllowed(vertexTotal, triangleTotal)) {
        layout = nullptr;
        refused = true;
        return false;
    }
    if (CurrentScene) {
        CurrentScene->meshVertices += vertexTotal;
    }
    vertexCapacity = static_cast<int32_t>(vertexTotal);
    triangleCapacity = static_cast<int32_t>(triangleTotal);
    vertices.assign(static_cast<size_t>(vertexCapacity) * layout->stride, 0);
    indices.assign(static_cast<size_t>(triangleCapacity) * 3, 0);
    return true;
}

void NMesh::WriteFloats(int32_t vertex, const VertexAttribute& attribute, const float* values,
                        int count) {
    if (attribute.size == 0) {
        return;
    }
    const size_t at = static_cast<size_t>(vertex) * layout->stride + attribute.offset;
    std::memcpy(vertices.data() + at, values, sizeof(float) * count);
}

void NMesh::SetPosition(int32_t vertex, float x, float y, float z) {
    const float values[3] = {x, y, z};
    WriteFloats(vertex, layout->position, values, 3);
}

void NMesh::SetColor(int32_t vertex, uint8_t r, uint8_t g, uint8_t b, uint8_t a) {
    if (layout->color.size == 0) {
        return;
    }
    uint8_t* at =
        vertices.data() + static_cast<size_t>(vertex) * layout->stride + layout->color.offset;
    at[0] = r;
    at[1] = g;
    at[2] = b;
    at[3] = a;
}

void NMesh::SetTexCoord(int32_t vertex, int unit, float u, float v) {
    const float values[2] = {u, v};
    WriteFloats(vertex, layout->texture[unit], values, 2);
}

void NMesh::SetNormal(int32_t vertex, float x, float y, float z) {
    const float values[3] = {x, y, z};
    WriteFloats(vertex, layout->normal, values, 3);
}

void NMesh::SetTriangle(int32_t triangle, uint32_t a, uint32_t b, uint32_t c) {
    uint32_t* at = indices.data() + static_cast<size_t>(triangle) * 3;
    at[0] = a;
    at[1] = b;
    at[2] = c;
}

void NMesh::Init() {
    if (!AcceptMaterial()) {
        return;
    }
    if (buffers.vertices == 0) {
        buffers = CurrentRenderer().CreateMeshBuffers();
    }
    NDrawable::Init();
}

void NMesh::Render() {
    if (!layout || buffers.vertices == 0) {
        return;
    }
    // A writer past the capacity would make the upload read beyond the arrays.
    const int32_t vertexTotal = std::clamp(vertexCount, 0, vertexCapacity);
    const int32_t triangleTotal = std::clamp(triangleCount, 0, triangleCapacity);
    const SubmitTimer submitting;
    CountSubmitted(triangleTotal, 0);
    Renderer& renderer = CurrentRenderer();
    renderer.LoadModelView(ModelViewOf(*this).m);
    if (Material) {
        Material->Render();
    }
    renderer.SubmitTriangles(buffers,
                             {layout, vertices.data(), vertexTotal, indices.data(), triangleTotal});
}
