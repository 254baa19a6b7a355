// The isosurface drawable: a mesh whose triangles are rebuilt every frame from an
// animated field (iso/IsoSurface.h) and drawn in the particle material's layout.
// Not a document class: the built-in test scene makes it. Its Create is the mesh's.
#pragma once

#include "effects/Mesh.h"
#include "iso/IsoSurface.h"
#include "render/VertexLayout.h"

class IsoSourceSystem;

class NISO : public NMesh {
  public:
    NISO();
    // Sizes the mesh and the field for the capacities, presets every vertex to
    // opaque white facing -z, and takes the process-wide source system when none is
    // set. Nothing happens when either capacity is not positive.
    void Init() override;
    // Steps and polygonises the field for CurrentTime, then draws. When catching up
    // takes too long the mesh is drawn unchanged and play is asked to end.
    void Render() override;
    // The field starts afresh at the next Render, as after Init.
    void Rewind() override { surface.Rewind(); }
    // The field diffuses and decays from every step before.
    bool KeepsHistory() const override { return true; }
    const VertexLayout* RequiredLayout() const override { return &kParticleLayout; }
    const char* MeshName() const override { return "NISO"; }

    // The field and mesh work, without OpenGL; valid after Init.
    void Advance(float now);

    IsoSourceSystem* sourceSystem = nullptr;
    IsoSurface surface;

  private:
    bool ready = false;
};
