// The one door to OpenGL. Everything that draws (scenes, views, meshes, particles,
// still images, materials, textures, shaders) does so through the current renderer:
// the OpenGL one the player draws with, or one that draws nothing, for tools and tests
// that play a demo without a window. Both take the same calls, so whatever is
// computed around them (vertices, traces, fields, the frame statistics, the log) is
// the same whichever is current; the one that draws nothing only leaves the picture out.
#pragma once

#include <cstdint>

#include "render/VertexLayout.h"

enum class ShadeModel { kSmooth, kFlat };

// The fixed-function state of one kind of draw. Blending, when its function is set,
// is always source alpha over one minus source alpha. Lighting is always off: the
// engine shades in its programs or not at all.
struct DrawState {
    bool setBlendFunction;
    bool blending;
    ShadeModel shadeModel;
    bool depthTest;
    bool culling;
    bool depthWrites;
    bool normalize;
};

struct RenderColor {
    float r, g, b, a;
};

// One corner of a quad: its position and texture coordinates.
struct QuadCorner {
    float x, y, z;
    float u, v;
};

// How a texture's pixels are laid out, one byte a channel.
enum class PixelFormat { kLuminance, kRgb, kBgr, kRgba, kBgra };

struct TextureImage {
    int width;
    int height;
    int channels;
    PixelFormat format;
    const void* pixels;
};

// The buffer objects a mesh uploads its arrays into; 0 for none.
struct MeshBuffers {
    uint32_t vertices = 0;
    uint32_t indices = 0;
};

// Indexed triangles over vertex records of `layout`.
struct TriangleBatch {
    const VertexLayout* layout;
    const uint8_t* vertices;
    int32_t vertexCount;
    const uint32_t* indices;
    int32_t triangleCount;
};

// A linked GLSL program; 0 for none, which is fixed function.
using ProgramHandle = uint32_t;

class Renderer {
  public:
    virtual ~Renderer() = default;

    // Whether objects can be made and drawn now: for OpenGL only while a rendering
    // context is current (a player without a window has none, and the document is
    // torn down after the surface closed); for the renderer that draws nothing always.
    virtual bool Ready() const = 0;

    // The frame and its views. Projections leave the projection matrix current.
    virtual void Clear(const RenderColor& color) = 0;  // colour and depth
    virtual void SetClearDepth(double depth) = 0;
    virtual void LoadPerspective(double fovYDegrees, double aspect, double zNear, double zFar) = 0;
    virtual void LoadOrtho(double left, double right, double bottom, double top, double zNear,
                           double zFar) = 0;
    virtual void LoadModelView(const float matrix[16]) = 0;
    virtual void LoadIdentityModelView() = 0;

    // Geometry.
    virtual MeshBuffers CreateMeshBuffers() = 0;
    virtual void DeleteMeshBuffers(const MeshBuffers& buffers) = 0;
    // Uploads both arrays in full and draws them with the state set before.
    virtual void SubmitTriangles(const MeshBuffers& buffers, const TriangleBatch& batch) = 0;
    virtual void DrawQuad(const QuadCorner corners[4], const RenderColor& color) = 0;

    // State, for materials and still images.
    virtual void ApplyDrawState(const DrawState& state) = 0;
    virtual void SetBlending(bool on) = 0;
    // False for a unit the driver does not have (without multitexture only unit 0).
    virtual bool ActivateTextureUnit(int unit) = 0;
    // 2D texturing on the active unit.
    virtual void SetTexturing(bool on) = 0;

    // Programs. Build problems are printed as "Shader Compilation Results".
    virtual ProgramHandle BuildProgram(const char* vertexSource, int vertexLength,
                                       const char* fragmentSource, int fragmentLength) = 0;
    virtual void UseProgram(ProgramHandle program) = 0;
    // Frees a program BuildProgram made; 0 is none.
    virtual void DeleteProgram(ProgramHandle program) = 0;
    // Points sampler `name` of the current program at `unit`; false when it has none.
    virtual bool SetSampler(ProgramHandle program, const char* name, int unit) = 0;

    // Textures, on the active unit. Names are positive.
    virtual int CreateTexture() = 0;
    virtual void DeleteTexture(int name) = 0;
    // 0 unbinds, so the unit draws untextured.
    virtual void BindTexture(int name) = 0;
    virtual void SetTextureFilters(bool linearMagnification, bool mipmapMinification) = 0;
    // The whole mipmap chain of the bound texture; false, logged, when it failed.
    virtual bool UploadMipmapped(const TextureImage& image) = 0;
    // The top level alone, nearest minification.
    virtual void UploadTopLevel(const TextureImage& image) = 0;
};

// The renderer every draw goes to: OpenGL unless another was selected.
Renderer& CurrentRenderer();
void SelectRenderer(Renderer& renderer);

Renderer& TheOpenGLRenderer();
// Makes names for textures and buffers and builds no programs; draws nothing.
Renderer& TheNullRenderer();
