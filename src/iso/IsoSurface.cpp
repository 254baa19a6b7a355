#include "iso/IsoSurface.h"

#include <algorithm>
#include <utility>

#include "base/Con.h"
#include "base/Ticks.h"
#include "iso/IsoCaseTable.h"
#include "iso/IsoField.h"
#include "iso/IsoGrid.h"
#include "iso/IsoSourceSystem.h"

void IsoSurface::Init(int vertexCapacity, int triangleCapacity, IsoSourceSystem* system) {
    sources = system;
    previous = std::make_unique<float[]>(kIsoPointCount);
    newest = std::make_unique<float[]>(kIsoPointCount);
    blended = std::make_unique<float[]>(kIsoPointCount);
    edgeVertices = std::make_unique<int32_t[]>(3 * kIsoPointCount);
    useCounts = std::make_unique<int32_t[]>(vertexCapacity);
    mesh.vertexCapacity = vertexCapacity;
    mesh.triangleCapacity = triangleCapacity;
    mesh.edgeVertices = edgeVertices.get();
    mesh.useCounts = useCounts.get();
    Rewind();
}

void IsoSurface::Rewind() {
    if (previous) {
        std::fill_n(previous.get(), kIsoPointCount, 0.0f);
        std::fill_n(newest.get(), kIsoPointCount, 0.0f);
        std::fill_n(blended.get(), kIsoPointCount, 0.0f);
    }
    counts = {};
    sampleCount = 0;
    lastRenderTime = -1.0f;
    nextSampleTime = 0;
    currentSampleTime = 0;
}

IsoSurface::Outcome IsoSurface::Advance(float now, IsoVertex* vertices, uint32_t* indices) {
    mesh.vertices = vertices;
    mesh.indices = indices;
    const bool first = lastRenderTime < 0;
    lastRenderTime = now;
    if (first) {
        // The first sample is the field at `now`; the second, below, the one after.
        nextSampleTime = now;
        Pass(now, true, false);
        currentSampleTime = now;
        nextSampleTime = now + step;
    } else if (now < currentSampleTime) {
        Con.PrintLine("Update: can't step backwards");
        return Outcome::kUnchanged;
    } else if (now <= nextSampleTime) {
        Pass(now, false, true);
        return Outcome::kRebuilt;
    } else if (!CatchUp(now)) {
        return Outcome::kTooSlow;
    }
    Pass(now, true, true);
    return Outcome::kRebuilt;
}

// Steps the field until the next sample time is no longer behind `now`; false when
// that took too long.
bool IsoSurface::CatchUp(float now) {
    const uint32_t started = GetTickCount();
    while (now > nextSampleTime) {
        currentSampleTime = nextSampleTime;
        nextSampleTime += step;
        Pass(now, true, false);
        if (GetTickCount() - started > kCatchUpLimitMs) {
            Con.Error("PC Too slow\n");
            return false;
        }
    }
    return true;
}

void IsoSurface::Pass(float now, bool takeSample, bool interpolate) {
    if (takeSample) {
        TakeSample();
    }
    if (interpolate) {
        const float b = (nextSampleTime - now) / step;
        BlendIsoFields(previous.get(), newest.get(), b, blended.get());
        BuildMesh();
    }
}

void IsoSurface::TakeSample() {
    sources->MoveTo(nextSampleTime);
    std::swap(previous, newest);
    StepIsoField(previous.get(), newest.get(), sources->sources, sources->ActiveCount());
    ++sampleCount;
}

void IsoSurface::BuildMesh() {
    counts = PolygonizeIsoField(blended.get(), isoLevel, IsoCases(), mesh);
    if (counts.trianglesWanted > mesh.triangleCapacity ||
        counts.verticesWanted > mesh.vertexCapacity) {
        Con.Warning("NISO: Overflow: F%d/%d V%d/%d\n", counts.trianglesWanted,
                    mesh.triangleCapacity, counts.verticesWanted, mesh.vertexCapacity);
    }
}
