// The raytracer on a reference scene: an inverted-sphere room on a RayNode0, eight
// spheres on RayNode1 and RayNode2 nodes with different Param, one light, shadows
// on. Frames at several times, adaptive and cell by cell, traced without a window;
// and crowds of spheres at the smallest blocks, as hostile documents have them.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "app/ClassTable.h"
#include "base/FrameTime.h"
#include "base/ScalarMath.h"
#include "raytrace/Light.h"
#include "raytrace/RayInvSphere.h"
#include "raytrace/RayNode0.h"
#include "raytrace/RayNode1.h"
#include "raytrace/RayNode2.h"
#include "raytrace/Raytracer.h"
#include "render/Material.h"
#include "scene/Scene.h"
#include "scene/View.h"
#include "values/FloatValue.h"

namespace {

// Draws nothing: the benchmark measures tracing alone.
struct QuietMaterial : NMaterial {
    QuietMaterial() { vertexLayout = &kColorTextureLayout; }
    void Init() override {}
    void Render() override {}
};

NFloatValue* Value(float f) {
    auto* value = new NFloatValue;
    value->f = f;
    return value;
}

class ReferenceScene {
  public:
    ReferenceScene(int32_t subdivision, int32_t minBlockSize, int32_t maxBlockSize,
                   int spheres = 8) {
        // The eye looks down world -z, where the ray nodes put everything.
        MatrixRotationX(eye.local, Pi());
        eye.Object = &view;
        scene.View3D = &view;
        scene.View2D = &view;
        eye.SetParent(&scene.root);
        tracerNode.Object = &tracer;
        tracer.Material = &material;
        tracer.Subdivision = subdivision;
        tracer.MinBlockSize = minBlockSize;
        tracer.MaxBlockSize = maxBlockSize;
        tracerNode.SetParent(&scene.root);

        MatrixTranslation(lightNode.local, {-300, 300, -100});
        light.Ambient = Value(0.2f);
        light.Intensity = Value(0.8f);
        lightNode.Object = &light;
        lightNode.SetParent(&tracerNode);
        for (int i = 0; i < spheres; ++i) {
            AddSphere(i % 2 ? static_cast<NRayNode*>(new NRayNode2) : new NRayNode1, i + 1,
                      new NRaySphere, 40.0f + 5.0f * static_cast<float>(i % 8));
        }
        AddSphere(new NRayNode0, 1, new NRayInvSphere, 1000.0f);
        scene.Init();
    }

    void Frame(float time) {
        CurrentTime = time;
        CurrentScene = &scene;
        UpdateTree(&scene.root);
        tracer.Render();
    }

    NRaytracer tracer;

  private:
    void AddSphere(NRayNode* node, int32_t param, NRaySphere* sphere, float radius) {
        node->Param = param;
        sphere->Radius = Value(radius);
        sphere->Material = &material;
        node->Object = sphere;
        node->SetParent(&tracerNode);
        nodes.emplace_back(node);
        spheres.emplace_back(sphere);
    }

    QuietMaterial material;
    NScene scene;
    NTransformNode eye;
    NView view;
    NTransformNode tracerNode;
    NTransformNode lightNode;
    NLight light;
    std::vector<std::unique_ptr<NRayNode>> nodes;
    std::vector<std::unique_ptr<NRaySphere>> spheres;
};

// Frames at 0.0, 0.5, ... so the spheres pass through different places.
void TraceFrames(benchmark::State& state, int32_t subdivision, int32_t minBlockSize,
                 int32_t maxBlockSize, int spheres = 8) {
    static bool registered = [] {
        NClassRegistration();
        return true;
    }();
    (void)registered;
    ReferenceScene reference(subdivision, minBlockSize, maxBlockSize, spheres);
    int64_t frames = 0;
    int64_t primary = 0;
    int64_t shadow = 0;
    for (auto _ : state) {
        reference.Frame(0.5f * static_cast<float>(frames % 20));
        primary += reference.tracer.rays.primary;
        shadow += reference.tracer.rays.shadow;
        ++frames;
    }
    const double perFrame = 1.0 / static_cast<double>(frames);
    state.counters["primary_rays"] = static_cast<double>(primary) * perFrame;
    state.counters["shadow_rays"] = static_cast<double>(shadow) * perFrame;
    state.counters["us_per_frame"] =
        benchmark::Counter(static_cast<double>(frames) * 1e-6,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["ns_per_ray"] =
        benchmark::Counter(static_cast<double>(primary + shadow) * 1e-9,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["samples_per_s"] =
        benchmark::Counter(static_cast<double>(primary), benchmark::Counter::kIsRate);
}

void BM_TraceAdaptive(benchmark::State& state) {
    TraceFrames(state, 1, 1, 16);
}
BENCHMARK(BM_TraceAdaptive)->Unit(benchmark::kMicrosecond);

void BM_TraceCellByCell(benchmark::State& state) {
    // Every other pixel corner: a grid of a quarter of the samples keeps the
    // primitives' sprite lists (one sprite per cell) at a sane size.
    TraceFrames(state, 0, 2, 2);
}
BENCHMARK(BM_TraceCellByCell)->Unit(benchmark::kMicrosecond);

// A room and state.range(0) spheres at the default block sizes.
void BM_TraceCrowd(benchmark::State& state) {
    TraceFrames(state, 1, 1, 16, static_cast<int>(state.range(0)));
}
BENCHMARK(BM_TraceCrowd)->Arg(20)->Arg(254)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
