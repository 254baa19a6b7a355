// A drawable that owns an array of vertex records and an array of triangles and
// draws them through two buffers of the renderer, uploading both in full on every draw.
//
// The records follow the material's vertex layout. A mesh that writes records of one
// layout names it in RequiredLayout; a material with any other layout, or no
// material, is refused at Init with a counted error and the mesh is never drawn, so
// a writer can never run past the array. Subclasses size the arrays with
// AllocateArrays and fill them through the attribute writers in plain code that
// needs no window; only Render goes to the renderer.
#pragma once

#include <cstdint>
#include <vector>

#include "reflect/MemberTable.h"
#include "render/Renderer.h"
#include "render/VertexLayout.h"
#include "scene/Drawable.h"

class NMesh : public NDrawable {
  public:
    NMesh() = default;
    ~NMesh() override;
    NMesh(const NMesh&) = delete;
    NMesh& operator=(const NMesh&) = delete;
    NClass* Create() override { return new NMesh; }

    // Checks the material (unless a subclass already did), asks the renderer for the
    // two buffers (none while it is not ready), then the drawable's Init. A refused
    // mesh does none of it.
    void Init() override;
    // Uploads vertexCount records and triangleCount triangles and draws them with the
    // material; nothing without buffer names.
    void Render() override;

    // The layout this mesh's records are written in; null for a mesh that writes no
    // records of its own and so draws with any layout.
    virtual const VertexLayout* RequiredLayout() const { return nullptr; }
    // The class name the mesh's messages begin with.
    virtual const char* MeshName() const;

    // Accepts the material's layout once, or reports why the mesh cannot use it.
    bool AcceptMaterial();
    // Sizes both arrays, cleared, for the accepted layout. Negative or oversized
    // capacities, and vertices that would take the meshes of the scene being
    // initialised past kMaxSceneVertices (base/Budgets.h), are refused with a counted
    // error and nothing is allocated.
    bool AllocateArrays(int64_t vertexTotal, int64_t triangleTotal);

    // Attribute writers at the accepted layout's offsets; an attribute the layout
    // lacks is skipped. `vertex` must be below the vertex capacity.
    void SetPosition(int32_t vertex, float x, float y, float z);
    void SetColor(int32_t vertex, uint8_t r, uint8_t g, uint8_t b, uint8_t a);
    void SetTexCoord(int32_t vertex, int unit, float u, float v);
    void SetNormal(int32_t vertex, float x, float y, float z);
    void SetTriangle(int32_t triangle, uint32_t a, uint32_t b, uint32_t c);

    // Bounds that keep a bad document from allocating gigabytes.
    static constexpr int64_t kMaxVertices = 1000000;
    static constexpr int64_t kMaxTriangles = 2 * kMaxVertices;

    // None until Init asked the renderer for them.
    MeshBuffers buffers;
    int32_t vertexCapacity = 0;
    int32_t vertexCount = 0;
    int32_t triangleCapacity = 0;
    int32_t triangleCount = 0;
    // vertexCapacity records of layout->stride bytes.
    std::vector<uint8_t> vertices;
    // Three vertex indices per triangle.
    std::vector<uint32_t> indices;
    // The material's layout once accepted; null before, and after a refusal.
    const VertexLayout* layout = nullptr;

  private:
    // False, reported, when the capacities are beyond what one mesh or, with the
    // meshes set up before it, one scene may have.
    bool CapacitiesAllowed(int64_t vertexTotal, int64_t triangleTotal) const;
    // Reports a missing material, or a layout other than RequiredLayout.
    bool MaterialFits() const;
    void WriteFloats(int32_t vertex, const VertexAttribute& attribute, const float* values,
                     int count);
    // Set once the material was refused, so that it is reported once.
    bool refused = false;
};

// Whether two layouts place every attribute alike.
bool SameLayout(const VertexLayout& a, const VertexLayout& b);
// The name of one of the materials' layouts, for messages.
const char* LayoutName(const VertexLayout& layout);
