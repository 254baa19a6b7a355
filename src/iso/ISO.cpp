#include "iso/ISO.h"

#include "base/FrameTime.h"
#include "iso/IsoCaseTable.h"
#include "iso/IsoRandom.h"
#include "iso/IsoSourceSystem.h"
#include "window/Surface.h"

namespace {

constexpr int32_t kDefaultVertexCapacity = 5000;
constexpr int32_t kDefaultTriangleCapacity = 10000;

}  // namespace

NISO::NISO() {
    vertexCapacity = kDefaultVertexCapacity;
    triangleCapacity = kDefaultTriangleCapacity;
}

void NISO::Init() {
    if (vertexCapacity <= 0 || triangleCapacity <= 0 || ready) {
        return;
    }
    if (!AcceptMaterial() || !AllocateArrays(vertexCapacity, triangleCapacity)) {
        return;
    }
    for (int32_t v = 0; v < vertexCapacity; ++v) {
        SetColor(v, 255, 255, 255, 255);
        SetNormal(v, 0, 0, -1);
    }
    NMesh::Init();
    IsoCases();
    if (!sourceSystem) {
        sourceSystem = &DefaultIsoSourceSystem();
    }
    sourceSystem->MakeSources(IsoRandomSequence());
    surface.Init(vertexCapacity, triangleCapacity, sourceSystem);
    ready = true;
}

void NISO::Advance(float now) {
    if (!ready) {
        return;
    }
    // The accepted layout is the particle layout, whose records are IsoVertex.
    auto* records = reinterpret_cast<IsoVertex*>(vertices.data());
    if (surface.Advance(now, records, indices.data()) == IsoSurface::Outcome::kTooSlow) {
        // The player's own quit path closes the window and stops the music; the
        // error already logged makes the exit code 1.
        QuitRequested = true;
    }
    vertexCount = surface.VertexCount();
    triangleCount = surface.TriangleCount();
}

void NISO::Render() {
    Advance(CurrentTime);
    NMesh::Render();
}
