// The isosurface's two per-frame costs on the default field at several part times:
// one field step (50 a second, whatever the frame rate) and one blend plus
// polygonisation (every frame). Times per cube and per triangle show how the cost
// follows the grid and the surface.
#include <benchmark/benchmark.h>

#include <utility>
#include <vector>

#include "iso/IsoCaseTable.h"
#include "iso/IsoField.h"
#include "iso/IsoGrid.h"
#include "iso/IsoPolygonizer.h"
#include "iso/IsoRandom.h"
#include "iso/IsoSourceSystem.h"

namespace {

constexpr float kStep = 0.02f;
constexpr int kCubeCount = kIsoCubeSide * kIsoCubeSide * kIsoCubeSide;
constexpr int kVertexCapacity = 5000;
constexpr int kTriangleCapacity = 10000;

// The default sources and the two latest samples after `seconds` of part time.
struct FieldAtTime {
    explicit FieldAtTime(double seconds) : previous(kIsoPointCount), newest(kIsoPointCount) {
        IsoRandom random;
        sources.MakeSources(random);
        const int steps = static_cast<int>(seconds / kStep) + 1;
        for (int n = 0; n < steps; ++n) {
            sources.MoveTo(static_cast<float>(n) * kStep);
            std::swap(previous, newest);
            StepIsoField(previous.data(), newest.data(), sources.sources, sources.ActiveCount());
        }
    }

    IsoSourceSystem sources;
    std::vector<float> previous;
    std::vector<float> newest;
};

void BM_IsoFieldStep(benchmark::State& state) {
    FieldAtTime field(static_cast<double>(state.range(0)));
    for (auto _ : state) {
        StepIsoField(field.previous.data(), field.newest.data(), field.sources.sources,
                     field.sources.ActiveCount());
        benchmark::DoNotOptimize(field.newest.data());
        benchmark::ClobberMemory();
    }
    state.counters["per_cube"] = benchmark::Counter(
        kCubeCount, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_IsoBlendAndPolygonize(benchmark::State& state) {
    FieldAtTime field(static_cast<double>(state.range(0)));
    std::vector<float> blended(kIsoPointCount);
    std::vector<IsoVertex> vertices(kVertexCapacity);
    std::vector<uint32_t> indices(3 * kTriangleCapacity);
    std::vector<int32_t> edgeVertices(3 * kIsoPointCount);
    std::vector<int32_t> useCounts(kVertexCapacity);
    const IsoMeshArrays arrays{vertices.data(),   kVertexCapacity,     indices.data(),
                               kTriangleCapacity, edgeVertices.data(), useCounts.data()};
    const IsoCaseTable& cases = IsoCases();
    IsoMeshCounts counts;
    for (auto _ : state) {
        BlendIsoFields(field.previous.data(), field.newest.data(), 0.5f, blended.data());
        counts = PolygonizeIsoField(blended.data(), 0.5f, cases, arrays);
        benchmark::DoNotOptimize(counts);
        benchmark::ClobberMemory();
    }
    using benchmark::Counter;
    state.counters["vertices"] = counts.vertices;
    state.counters["triangles"] = counts.triangles;
    state.counters["per_cube"] =
        Counter(kCubeCount, Counter::kIsIterationInvariantRate | Counter::kInvert);
    state.counters["per_triangle"] =
        Counter(counts.triangles, Counter::kIsIterationInvariantRate | Counter::kInvert);
}

}  // namespace

BENCHMARK(BM_IsoFieldStep)->Arg(1)->Arg(5)->Arg(20)->Arg(60)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_IsoBlendAndPolygonize)
    ->Arg(1)
    ->Arg(5)
    ->Arg(20)
    ->Arg(60)
    ->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
