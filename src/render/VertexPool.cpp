#include "render/VertexPool.h"

#include "base/Con.h"

Nx* CurrentVertexPool = nullptr;

Nx::Nx() {
    CurrentVertexPool = this;
}

Nx::~Nx() {
    if (CurrentVertexPool == this) {
        CurrentVertexPool = nullptr;
    }
    delete[] records;
}

void Nx::ReportSceneInitBegin(NScene* scene) {
    sceneInInit = scene;
    reported = 0;
}

void Nx::ReportVertices(int count) {
    reported += count;
}

void Nx::ReportSceneInitEnd(NScene* scene) {
    if (scene != sceneInInit) {
        Con.Error("invalid ReportSceneInitEnd");
    }
    if (reported > largestCount) {
        largestCount = reported;
        largestScene = sceneInInit;
    }
    reported = 0;
    sceneInInit = nullptr;
}

void Nx::Prepare() {
    if (largestCount <= 0 || !largestScene || records) {
        return;
    }
    capacity = largestCount;
    records = new VertexRecord[capacity]();
    if (capacity % 4 != 0) {
        Con.Error("Nx: number of vertices = %d is not a multiple of 4", capacity);
    }
    // Texture unit 1 spans each quad once; the sprite meshes fill the rest.
    static constexpr float kCorners[4][2] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}};
    for (int quad = 0; quad < capacity / 4; ++quad) {
        for (int corner = 0; corner < 4; ++corner) {
            records[quad * 4 + corner].u1 = kCorners[corner][0];
            records[quad * 4 + corner].v1 = kCorners[corner][1];
        }
    }
}

VertexRecord* Nx::Allocate(int count) {
    if (!records || count < 0) {
        return nullptr;
    }
    if (used + count > capacity) {
        Con.Error("Nx: buffer overflow");
        return nullptr;
    }
    VertexRecord* first = records + used;
    used += count;
    return first;
}
