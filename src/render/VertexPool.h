// The quad vertex pool: one block of vertex records, sized once for the scene that
// needs the most, from which pooled sprite meshes take their quads anew each frame.
#pragma once

#include <cstdint>

class NScene;

// One pooled vertex: position, colour, and the coordinates of two texture units.
struct VertexRecord {
    float x, y, z;
    uint32_t color;
    float u0, v0;
    float u1, v1;
};
static_assert(sizeof(VertexRecord) == 32);

class Nx {
  public:
    // The new pool becomes the current one.
    Nx();
    // The pool stops being current.
    ~Nx();
    Nx(const Nx&) = delete;
    Nx& operator=(const Nx&) = delete;

    // The vertices reported between these two calls count for `scene`.
    void ReportSceneInitBegin(NScene* scene);
    void ReportVertices(int count);
    void ReportSceneInitEnd(NScene* scene);
    // Allocates records for the largest report, once all scenes have reported.
    void Prepare();
    // Every record is free again; the scene calls it at the start of each frame.
    void Reset() { used = 0; }
    // `count` consecutive records, or null when the pool cannot hand them out.
    VertexRecord* Allocate(int count);

    int Capacity() const { return capacity; }
    int LargestCount() const { return largestCount; }

  private:
    NScene* sceneInInit = nullptr;
    int reported = 0;
    NScene* largestScene = nullptr;
    int largestCount = 0;
    VertexRecord* records = nullptr;
    int capacity = 0;
    int used = 0;
};

// The pool that reports and allocations go to; null while there is none.
extern Nx* CurrentVertexPool;
