#include "effects/Mesh.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "base/Con.h"
#include "base/FrameStats.h"
#include "render/Extensions.h"
#include "render/Material.h"
#include "render/RenderingContext.h"
#include "scene/DocumentChecks.h"
#include "scene/Matrix44.h"
#include "scene/Scene.h"
#include "scene/TransformNode.h"
#include "scene/View.h"

namespace {

bool SameAttribute(const VertexAttribute& a, const VertexAttribute& b) {
    return a.offset == b.offset && a.size == b.size;
}

// A byte offset into the bound vertex buffer, in the pointer form the array calls take.
const void* BufferOffset(int32_t offset) {
    return reinterpret_cast<const void*>(static_cast<uintptr_t>(offset));
}

void SetClientArray(GLenum array, bool present) {
    if (present) {
        glEnableClientState(array);
    } else {
        glDisableClientState(array);
    }
}

// Pass 1 draws in camera space: the View3D node's worldInverse times the mesh's own
// world. A missing camera or node counts as the identity.
void LoadModelView(const NMesh& mesh) {
    glMatrixMode(GL_MODELVIEW);
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
    glLoadMatrixf(matrix.m);
}

void PointClientArrays(const VertexLayout& layout) {
    const GLsizei stride = layout.stride;
    SetClientArray(GL_VERTEX_ARRAY, layout.position.size > 0);
    if (layout.position.size > 0) {
        glVertexPointer(3, GL_FLOAT, stride, BufferOffset(layout.position.offset));
    }
    SetClientArray(GL_COLOR_ARRAY, layout.color.size > 0);
    if (layout.color.size > 0) {
        glColorPointer(4, GL_UNSIGNED_BYTE, stride, BufferOffset(layout.color.offset));
    }
    // Without multitexture only unit 0 can be pointed at.
    const int units = Ext.glClientActiveTextureARB ? kTextureUnitCount : 1;
    for (int unit = 0; unit < units; ++unit) {
        if (Ext.glClientActiveTextureARB) {
            Ext.glClientActiveTextureARB(GL_TEXTURE0_ARB + unit);
        }
        const VertexAttribute& texture = layout.texture[unit];
        SetClientArray(GL_TEXTURE_COORD_ARRAY, texture.size > 0);
        if (texture.size > 0) {
            glTexCoordPointer(2, GL_FLOAT, stride, BufferOffset(texture.offset));
        }
    }
    SetClientArray(GL_NORMAL_ARRAY, layout.normal.size > 0);
    if (layout.normal.size > 0) {
        glNormalPointer(GL_FLOAT, stride, BufferOffset(layout.normal.offset));
    }
}

bool HasBufferObjects() {
    return Ext.glGenBuffersARB && Ext.glBindBufferARB && Ext.glBufferDataARB &&
           Ext.glDeleteBuffersARB;
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
    // The document is torn down after the surface closed: the context, and with it
    // the buffers, may be gone already.
    if (vertexBuffer && HasCurrentRenderingContext() && Ext.glDeleteBuffersARB) {
        const GLuint names[2] = {vertexBuffer, indexBuffer};
        Ext.glDeleteBuffersARB(2, names);
    }
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

bool NMesh::AllocateArrays(int64_t vertexTotal, int64_t triangleTotal) {
    if (!layout) {
        return false;
    }
    if (vertexTotal < 0 || triangleTotal < 0 || vertexTotal > kMaxVertices ||
        triangleTotal > kMaxTriangles) {
        Con.Error(
            "%s: %lld vertices and %lld triangles are beyond the %lld and %lld a mesh may "
            "have; the mesh is not drawn",
            MeshName(), static_cast<long long>(vertexTotal), static_cast<long long>(triangleTotal),
            static_cast<long long>(kMaxVertices), static_cast<long long>(kMaxTriangles));
        layout = nullptr;
        refused = true;
        return false;
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
    if (HasCurrentRenderingContext() && HasBufferObjects() && vertexBuffer == 0) {
        Ext.glGenBuffersARB(1, &vertexBuffer);
        Ext.glGenBuffersARB(1, &indexBuffer);
    }
    NDrawable::Init();
}

void NMesh::Render() {
    if (!layout || vertexBuffer == 0) {
        return;
    }
    // A writer past the capacity would make the upload read beyond the arrays.
    const int32_t vertexTotal = std::clamp(vertexCount, 0, vertexCapacity);
    const int32_t triangleTotal = std::clamp(triangleCount, 0, triangleCapacity);
    const SubmitTimer submitting;
    CountSubmitted(triangleTotal, 0);
    LoadModelView(*this);
    if (Material) {
        Material->Render();
    }
    Ext.glBindBufferARB(GL_ARRAY_BUFFER_ARB, vertexBuffer);
    Ext.glBufferDataARB(GL_ARRAY_BUFFER_ARB,
                        static_cast<GLsizeiptrARB>(vertexTotal) * layout->stride, vertices.data(),
                        GL_DYNAMIC_DRAW_ARB);
    Ext.glBindBufferARB(GL_ELEMENT_ARRAY_BUFFER_ARB, indexBuffer);
    Ext.glBufferDataARB(GL_ELEMENT_ARRAY_BUFFER_ARB,
                        static_cast<GLsizeiptrARB>(triangleTotal) * 3 * sizeof(uint32_t),
                        indices.data(), GL_DYNAMIC_DRAW_ARB);
    PointClientArrays(*layout);
    glDrawElements(GL_TRIANGLES, 3 * triangleTotal, GL_UNSIGNED_INT, BufferOffset(0));
}
