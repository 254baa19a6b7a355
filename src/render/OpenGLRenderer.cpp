// The renderer the player draws with: OpenGL 1.1 fixed function, GLU and the ARB
// extensions of render/Extensions.h. Every OpenGL call of the engine is made here,
// apart from the surface's own viewport and buffer swap.
#include <GL/gl.h>
#include <GL/glext.h>
#include <GL/glu.h>
#include <SDL.h>

#include <cstdint>

#include "base/Con.h"
#include "render/Extensions.h"
#include "render/Renderer.h"
#include "render/ShaderProgram.h"

namespace {

void SetCapability(GLenum capability, bool on) {
    if (on) {
        glEnable(capability);
    } else {
        glDisable(capability);
    }
}

void SetClientArray(GLenum array, bool present) {
    if (present) {
        glEnableClientState(array);
    } else {
        glDisableClientState(array);
    }
}

// A byte offset into the bound vertex buffer, in the pointer form the array calls take.
const void* BufferOffset(int32_t offset) {
    return reinterpret_cast<const void*>(static_cast<uintptr_t>(offset));
}

GLenum FormatOf(PixelFormat format) {
    switch (format) {
        case PixelFormat::kLuminance:
            return GL_LUMINANCE;
        case PixelFormat::kRgb:
            return GL_RGB;
        case PixelFormat::kBgr:
            return GL_BGR;
        case PixelFormat::kRgba:
            return GL_RGBA;
        case PixelFormat::kBgra:
            return GL_BGRA;
    }
    return GL_RGBA;
}

const char* GluErrorText(GLint error) {
    const GLubyte* text = gluErrorString(static_cast<GLenum>(error));
    return text ? reinterpret_cast<const char*>(text) : "unknown error";
}

// Bitmap rows follow each other without padding; OpenGL's default expects rows padded
// to 4 bytes and would read past the end of odd-width RGB images.
class TightRows {
  public:
    TightRows() {
        glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    }
    ~TightRows() { glPopClientAttrib(); }
    TightRows(const TightRows&) = delete;
    TightRows& operator=(const TightRows&) = delete;
};

bool HasBufferObjects() {
    return Ext.glGenBuffersARB && Ext.glBindBufferARB && Ext.glBufferDataARB &&
           Ext.glDeleteBuffersARB;
}

// Points the client arrays at the bound vertex buffer as `layout` places the
// attributes; arrays the layout lacks are switched off.
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

class OpenGLRenderer : public Renderer {
  public:
    bool Ready() const override { return SDL_GL_GetCurrentContext() != nullptr; }

    void Clear(const RenderColor& color) override {
        glClearColor(color.r, color.g, color.b, color.a);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }

    void SetClearDepth(double depth) override { glClearDepth(depth); }

    void LoadPerspective(double fovYDegrees, double aspect, double zNear, double zFar) override {
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(fovYDegrees, aspect, zNear, zFar);
    }

    void LoadOrtho(double left, double right, double bottom, double top, double zNear,
                   double zFar) override {
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(left, right, bottom, top, zNear, zFar);
    }

    void LoadModelView(const float matrix[16]) override {
        glMatrixMode(GL_MODELVIEW);
        glLoadMatrixf(matrix);
    }

    void LoadIdentityModelView() override {
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
    }

    // None without a context or without buffer objects: the mesh is then not drawn.
    MeshBuffers CreateMeshBuffers() override {
        MeshBuffers buffers;
        if (Ready() && HasBufferObjects()) {
            Ext.glGenBuffersARB(1, &buffers.vertices);
            Ext.glGenBuffersARB(1, &buffers.indices);
        }
        return buffers;
    }

    // Once the surface has closed, its context has taken the buffers with it.
    void DeleteMeshBuffers(const MeshBuffers& buffers) override {
        if (buffers.vertices && Ready() && Ext.glDeleteBuffersARB) {
            const GLuint names[2] = {buffers.vertices, buffers.indices};
            Ext.glDeleteBuffersARB(2, names);
        }
    }

    void SubmitTriangles(const MeshBuffers& buffers, const TriangleBatch& batch) override {
        Ext.glBindBufferARB(GL_ARRAY_BUFFER_ARB, buffers.vertices);
        Ext.glBufferDataARB(GL_ARRAY_BUFFER_ARB,
                            static_cast<GLsizeiptrARB>(batch.vertexCount) * batch.layout->stride,
                            batch.vertices, GL_DYNAMIC_DRAW_ARB);
        Ext.glBindBufferARB(GL_ELEMENT_ARRAY_BUFFER_ARB, buffers.indices);
        Ext.glBufferDataARB(GL_ELEMENT_ARRAY_BUFFER_ARB,
                            static_cast<GLsizeiptrARB>(batch.triangleCount) * 3 * sizeof(uint32_t),
                            batch.indices, GL_DYNAMIC_DRAW_ARB);
        PointClientArrays(*batch.layout);
        glDrawElements(GL_TRIANGLES, 3 * batch.triangleCount, GL_UNSIGNED_INT, BufferOffset(0));
    }

    void DrawQuad(const QuadCorner corners[4], const RenderColor& color) override {
        glBegin(GL_QUADS);
        glColor4f(color.r, color.g, color.b, color.a);
        for (int i = 0; i < 4; ++i) {
            glTexCoord2f(corners[i].u, corners[i].v);
            glVertex3f(corners[i].x, corners[i].y, corners[i].z);
        }
        glEnd();
    }

    // Culling, when on, goes on before depth testing.
    void ApplyDrawState(const DrawState& state) override {
        if (state.setBlendFunction) {
            glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        }
        SetCapability(GL_BLEND, state.blending);
        glShadeModel(state.shadeModel == ShadeModel::kFlat ? GL_FLAT : GL_SMOOTH);
        if (state.culling) {
            SetCapability(GL_CULL_FACE, true);
            SetCapability(GL_DEPTH_TEST, state.depthTest);
        } else {
            SetCapability(GL_DEPTH_TEST, state.depthTest);
            SetCapability(GL_CULL_FACE, false);
        }
        glDepthMask(state.depthWrites ? GL_TRUE : GL_FALSE);
        SetCapability(GL_NORMALIZE, state.normalize);
        glDisable(GL_LIGHTING);
    }

    void SetBlending(bool on) override { SetCapability(GL_BLEND, on); }

    bool ActivateTextureUnit(int unit) override {
        if (!Ext.glActiveTextureARB) {
            return unit == 0;
        }
        Ext.glActiveTextureARB(GL_TEXTURE0_ARB + unit);
        return true;
    }

    void SetTexturing(bool on) override { SetCapability(GL_TEXTURE_2D, on); }

    ProgramHandle BuildProgram(const char* vertexSource, int vertexLength,
                               const char* fragmentSource, int fragmentLength) override {
        return ::BuildProgram(vertexSource, vertexLength, fragmentSource, fragmentLength);
    }

    void UseProgram(ProgramHandle program) override { ::UseProgram(program); }

    void DeleteProgram(ProgramHandle program) override { ::DeleteProgram(program); }

    // A driver without uniform setters has nothing to report either.
    bool SetSampler(ProgramHandle program, const char* name, int unit) override {
        if (!Ext.glGetUniformLocationARB || !Ext.glUniform1iARB) {
            return true;
        }
        const GLint location = Ext.glGetUniformLocationARB(program, name);
        if (location < 0) {
            return false;
        }
        Ext.glUniform1iARB(location, unit);
        return true;
    }

    int CreateTexture() override {
        GLuint name = 0;
        glGenTextures(1, &name);
        return static_cast<int>(name);
    }

    void DeleteTexture(int name) override {
        const GLuint texture = static_cast<GLuint>(name);
        glBindTexture(GL_TEXTURE_2D, texture);
        glDeleteTextures(1, &texture);
    }

    void BindTexture(int name) override { glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(name)); }

    void SetTextureFilters(bool linearMagnification, bool mipmapMinification) override {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER,
                        linearMagnification ? GL_LINEAR : GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER,
                        mipmapMinification ? GL_LINEAR_MIPMAP_LINEAR : GL_LINEAR);
    }

    bool UploadMipmapped(const TextureImage& image) override {
        const TightRows rows;
        const GLint error =
            gluBuild2DMipmaps(GL_TEXTURE_2D, image.channels, image.width, image.height,
                              FormatOf(image.format), GL_UNSIGNED_BYTE, image.pixels);
        if (error != 0) {
            Con.Error("NTexture: gluBuild2DMipmaps failed: %s", GluErrorText(error));
            return false;
        }
        return true;
    }

    void UploadTopLevel(const TextureImage& image) override {
        const TightRows rows;
        glTexImage2D(GL_TEXTURE_2D, 0, image.channels, image.width, image.height, 0,
                     FormatOf(image.format), GL_UNSIGNED_BYTE, image.pixels);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    }
};

}  // namespace

// Never destroyed: objects torn down at exit still release through it.
Renderer& TheOpenGLRenderer() {
    static OpenGLRenderer& renderer = *new OpenGLRenderer;
    return renderer;
}
