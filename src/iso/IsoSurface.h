// The isosurface apart from its drawing: the field samples, their stepping at a
// fixed rate of part time with catch-up, the blend for the frame's time and the
// mesh built from it. Everything is sized in Init; Advance allocates nothing.
#pragma once

#include <cstdint>
#include <memory>

#include "iso/IsoPolygonizer.h"

class IsoSourceSystem;

class IsoSurface {
  public:
    // What Advance did with the mesh.
    enum class Outcome {
        kRebuilt,
        // Time ran backwards: the mesh is the previous one.
        kUnchanged,
        // Catching up took longer than kCatchUpLimitMs of wall-clock time; the mesh
        // is the previous one and play should end.
        kTooSlow,
    };
    static constexpr uint32_t kCatchUpLimitMs = 1024;

    // Sizes the fields (both samples cleared) and tables for meshes of up to the
    // given capacities, which must be positive, drawn from `sources`.
    void Init(int vertexCapacity, int triangleCapacity, IsoSourceSystem* sources);
    // Steps the field to `now` (seconds of part time) and rebuilds the mesh into
    // `vertices` and `indices`, which hold the capacities given to Init.
    Outcome Advance(float now, IsoVertex* vertices, uint32_t* indices);
    // Back to the state Init left: both samples cleared, no mesh, no time seen, so
    // the next Advance starts the field afresh.
    void Rewind();

    // The mesh as last built.
    int VertexCount() const { return counts.vertices; }
    int TriangleCount() const { return counts.triangles; }
    // Field steps taken since Init.
    int SampleCount() const { return sampleCount; }
    const float* BlendedField() const { return blended.get(); }

    float isoLevel = 0.5f;
    float step = 0.02f;
    float lastRenderTime = -1.0f;
    float nextSampleTime = 0;
    float currentSampleTime = 0;

  private:
    // One pass: optionally a new field step at the next sample time, optionally the
    // blend for `now` and a new mesh.
    void Pass(float now, bool takeSample, bool interpolate);
    void TakeSample();
    bool CatchUp(float now);
    void BuildMesh();

    IsoSourceSystem* sources = nullptr;
    std::unique_ptr<float[]> previous;
    std::unique_ptr<float[]> newest;
    std::unique_ptr<float[]> blended;
    std::unique_ptr<int32_t[]> edgeVertices;
    std::unique_ptr<int32_t[]> useCounts;
    IsoMeshArrays mesh;
    IsoMeshCounts counts;
    int sampleCount = 0;
};
