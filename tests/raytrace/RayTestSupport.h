// Scenes for the raytracer tests, built in code and traced without a window. Ray
// space is world space here: the scenes have no View3D.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "app/ClassTable.h"
#include "base/Con.h"
#include "base/FrameTime.h"
#include "raytrace/Light.h"
#include "raytrace/RayInvSphere.h"
#include "raytrace/Raytracer.h"
#include "render/Material.h"
#include "scene/Scene.h"
#include "scene/View.h"
#include "values/FloatValue.h"

namespace raytest {

// Draws nothing and needs no window; its layout is the ray primitives'.
struct QuietMaterial : NMaterial {
    QuietMaterial() { vertexLayout = &kColorTextureLayout; }
    void Init() override {}
    void Render() override {}
};

inline std::string Log() {
    return Con.BufferText() ? Con.BufferText() : "";
}

// A tile on its own node under a scene's root, with spheres and lights placed on
// nodes below it at fixed points.
template <class Tile>
class BasicRayScene {
  public:
    BasicRayScene() {
        NClassRegistration();
        Con.EnableBuffer(true);
        tracerNode.Object = &tracer;
        tracer.Material = &material;
        tracerNode.SetParent(&scene.root);
        scene.View2D = &flat;
    }

    NRaySphere& AddSphere(const Vector3& centre, float radius, bool inverted = false) {
        auto* sphere = inverted ? new NRayInvSphere : new NRaySphere;
        sphere->Radius = Value(radius);
        sphere->Material = &material;
        spheres.emplace_back(sphere);
        Place(sphere, centre);
        return *sphere;
    }

    // A light whose position in ray space is `position`; a term below 0 is left out.
    NLight& AddLight(const Vector3& position, float ambient, float intensity) {
        auto* light = new NLight;
        light->Ambient = ambient < 0 ? nullptr : Value(ambient);
        light->Intensity = intensity < 0 ? nullptr : Value(intensity);
        lights.emplace_back(light);
        // A light's node carries the negated position.
        Place(light, {-position.x, -position.y, -position.z});
        return *light;
    }

    void Init() { scene.Init(); }

    // Updates the nodes at `time` and runs the raytracer's render, as a new frame.
    void Frame(float time = 0.0f) {
        ++FrameNumber;
        CurrentTime = time;
        CurrentScene = &scene;
        UpdateTree(&scene.root);
        tracer.Render();
    }

    Tile tracer;
    QuietMaterial material;

  private:
    NFloatValue* Value(float f) {
        auto* value = new NFloatValue;
        value->f = f;
        values.emplace_back(value);
        return value;
    }

  public:
    void Place(NTransformNodeContent* content, const Vector3& at) {
        auto* node = new NTransformNode;
        MatrixTranslation(node->local, at);
        node->Object = content;
        node->SetParent(&tracerNode);
        nodes.emplace_back(node);
    }

  private:
    NView flat;
    NScene scene;
    NTransformNode tracerNode;
    std::vector<std::unique_ptr<NTransformNode>> nodes;
    std::vector<std::unique_ptr<NRaySphere>> spheres;
    std::vector<std::unique_ptr<NLight>> lights;
    std::vector<std::unique_ptr<NFloatValue>> values;
};

using RayScene = BasicRayScene<NRaytracer>;

// The sample of the tile's grid nearest to screen point (x, y).
inline RaySample& SampleAt(NTile& tracer, float x, float y) {
    const int32_t spacing = tracer.grid->Spacing();
    const int32_t column = static_cast<int32_t>((x + 1.0f) * 320.0f / spacing + 0.5f);
    const int32_t row = static_cast<int32_t>((y + 0.75f) * 320.0f / spacing + 0.5f);
    return tracer.grid->Samples()[row * tracer.grid->Columns() + column];
}

// The quads the tile keeps for its primitive `index`, in the order they are drawn.
inline std::vector<CornerSprite> QuadsOf(const NTile& tile, int32_t index) {
    std::vector<CornerSprite> quads(static_cast<size_t>(tile.quads.Count(index)));
    int32_t at = tile.quads.First(index);
    tile.quads.Copy(at, quads.data(), static_cast<int32_t>(quads.size()));
    return quads;
}

}  // namespace raytest
