// The renderer that draws nothing: every call is taken and nothing reaches a display.
// It hands out texture and buffer names as OpenGL would, so that everything that keeps
// them behaves as when drawing, and builds no programs, so shaders stay fixed function.
#include "render/DrawlessRenderer.h"

namespace {

class NullRenderer : public DrawlessRenderer {
  public:
    bool Ready() const override { return true; }

    MeshBuffers CreateMeshBuffers() override {
        MeshBuffers buffers;
        buffers.vertices = NextName();
        buffers.indices = NextName();
        return buffers;
    }
    void DeleteMeshBuffers(const MeshBuffers&) override {}

    bool ActivateTextureUnit(int) override { return true; }
    void SetTexturing(bool) override {}

    ProgramHandle BuildProgram(const char*, int, const char*, int) override { return 0; }
    void UseProgram(ProgramHandle) override {}
    void DeleteProgram(ProgramHandle) override {}
    bool SetSampler(ProgramHandle, const char*, int) override { return true; }

    int CreateTexture() override { return static_cast<int>(NextName()); }
    void DeleteTexture(int) override {}
    void BindTexture(int) override {}
    void SetTextureFilters(bool, bool) override {}
    bool UploadMipmapped(const TextureImage&) override { return true; }
    void UploadTopLevel(const TextureImage&) override {}

  private:
    // One sequence for textures and buffers alike; names are never reused.
    uint32_t NextName() { return ++lastName; }

    uint32_t lastName = 0;
};

}  // namespace

Renderer& TheNullRenderer() {
    static NullRenderer& renderer = *new NullRenderer;
    return renderer;
}
