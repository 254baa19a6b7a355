// The calls that put pixels on a display (clears, matrices, draw state, draws), taken
// and dropped, for the renderers that show nothing; what makes, binds or asks about
// objects is left to each of them.
#pragma once

#include "render/Renderer.h"

class DrawlessRenderer : public Renderer {
  public:
    void Clear(const RenderColor&) override {}
    void SetClearDepth(double) override {}
    void LoadPerspective(double, double, double, double) override {}
    void LoadOrtho(double, double, double, double, double, double) override {}
    void LoadModelView(const float[16]) override {}
    void LoadIdentityModelView() override {}

    void SubmitTriangles(const MeshBuffers&, const TriangleBatch&) override {}
    void DrawQuad(const QuadCorner[4], const RenderColor&) override {}

    void ApplyDrawState(const DrawState&) override {}
    void SetBlending(bool) override {}
};
