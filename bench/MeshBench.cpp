// Vertex generation without a window, in time per vertex: the default hump sheet
// (915 vertices) and 1,200 corner sprites, the most a raytracer's tile emits at its
// coarsest blocks, in the sprite and the colour-texture layouts.
#include <benchmark/benchmark.h>

#include "effects/ColorTexSpriteMesh01.h"
#include "effects/RippleQuad.h"
#include "effects/SpriteMesh02.h"
#include "render/ColorTexMaterial.h"
#include "render/ParticleMaterial.h"
#include "render/SpriteMaterial.h"

namespace {

constexpr int kSprites = 1200;

void ReportPerVertex(benchmark::State& state, int vertices) {
    state.counters["per_vertex"] = benchmark::Counter(
        vertices, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Sprites spread over the view with varied corners, as a tile would leave them.
template <class Mesh>
void FillSprites(Mesh& mesh) {
    for (int i = 0; i < kSprites; ++i) {
        CornerSprite& sprite = mesh.cornerSprites[i];
        sprite.x = static_cast<float>(i % 40) * 0.05f - 1.0f;
        sprite.y = static_cast<float>(i / 40) * 0.05f - 0.75f;
        sprite.z = -0.5f;
        sprite.r = 0.028f;
        for (int k = 0; k < kSpriteCorners; ++k) {
            sprite.texCoord[k] = {sprite.x + 0.01f * k, sprite.y - 0.01f * k};
            sprite.shade[k] = static_cast<uint8_t>(i + k);
        }
    }
    mesh.spriteCount = kSprites;
}

template <class Mesh, class Material>
void BM_CornerSprites(benchmark::State& state) {
    Material material;
    Mesh mesh;
    mesh.Material = &material;
    mesh.spriteCapacity = kSprites;
    mesh.cornerSprites.assign(kSprites, CornerSprite{});
    if (!mesh.SetUpSprites()) {
        state.SkipWithError("sprite mesh refused its material");
        return;
    }
    FillSprites(mesh);
    for (auto _ : state) {
        mesh.BuildVertices();
        benchmark::DoNotOptimize(mesh.vertices.data());
        benchmark::ClobberMemory();
    }
    ReportPerVertex(state, 4 * kSprites);
}

void BM_RippleQuad(benchmark::State& state) {
    NParticleMaterial material;
    NRippleQuad ripple;
    ripple.Material = &material;
    ripple.DeriveLines();
    if (!ripple.SetUpGrid()) {
        state.SkipWithError("ripple sheet refused its material");
        return;
    }
    for (auto _ : state) {
        ripple.BuildVertices();
        benchmark::DoNotOptimize(ripple.vertices.data());
        benchmark::ClobberMemory();
    }
    ReportPerVertex(state, ripple.vertexCount);
}

}  // namespace

BENCHMARK(BM_RippleQuad);
BENCHMARK(BM_CornerSprites<NSpriteMesh02, NSpriteMaterial>)->Name("BM_SpriteMesh02_1200");
BENCHMARK(BM_CornerSprites<NColorTexSpriteMesh01, NColorTexMaterial>)
    ->Name("BM_ColorTexSpriteMesh01_1200");

BENCHMARK_MAIN();
