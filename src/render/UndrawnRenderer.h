// A renderer for frames that are computed but not shown: it passes every call that
// makes, fills, binds or asks about an object (textures, buffers, programs) on to the
// renderer it stands in front of, and drops the clears, matrices, draw state and draws.
// A tool fast-forwarding a live OpenGL demo plays the frames before the one it wants
// through it: everything created at Init stays the drawing renderer's own and valid,
// an upload that happens on the way still lands in the right texture, and no pixel
// is drawn.
#pragma once

#include "render/DrawlessRenderer.h"

class UndrawnRenderer : public DrawlessRenderer {
  public:
    // `objects` receives the object calls; it must outlive this renderer.
    explicit UndrawnRenderer(Renderer& objects) : objects(objects) {}

    bool Ready() const override { return objects.Ready(); }

    MeshBuffers CreateMeshBuffers() override { return objects.CreateMeshBuffers(); }
    void DeleteMeshBuffers(const MeshBuffers& buffers) override {
        objects.DeleteMeshBuffers(buffers);
    }

    bool ActivateTextureUnit(int unit) override { return objects.ActivateTextureUnit(unit); }
    void SetTexturing(bool on) override { objects.SetTexturing(on); }

    ProgramHandle BuildProgram(const char* vertexSource, int vertexLength,
                               const char* fragmentSource, int fragmentLength) override {
        return objects.BuildProgram(vertexSource, vertexLength, fragmentSource, fragmentLength);
    }
    void UseProgram(ProgramHandle program) override { objects.UseProgram(program); }
    void DeleteProgram(ProgramHandle program) override { objects.DeleteProgram(program); }
    bool SetSampler(ProgramHandle program, const char* name, int unit) override {
        return objects.SetSampler(program, name, unit);
    }

    int CreateTexture() override { return objects.CreateTexture(); }
    void DeleteTexture(int name) override { objects.DeleteTexture(name); }
    void BindTexture(int name) override { objects.BindTexture(name); }
    void SetTextureFilters(bool linearMagnification, bool mipmapMinification) override {
        objects.SetTextureFilters(linearMagnification, mipmapMinification);
    }
    bool UploadMipmapped(const TextureImage& image) override {
        return objects.UploadMipmapped(image);
    }
    void UploadTopLevel(const TextureImage& image) override { objects.UploadTopLevel(image); }

  private:
    Renderer& objects;
};
