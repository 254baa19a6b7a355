// A scene built in code at Init: a camera on its built-in path looking at the
// isosurface, two flat sheets and a sheet of humps, all drawn with the process-wide
// particle material and the blue-fog shader. A "TestScene01" in a document needs no
// nodes; any it has are kept beside the built ones.
#pragma once

#include <memory>
#include <vector>

#include "reflect/MemberTable.h"
#include "scene/Scene.h"

class NDrawable;
class NTexture;
class NFloatValue;
class NTransformNode;
class NVectValue;

class NTestScene01 : public NScene {
  public:
    NTestScene01() = default;
    ~NTestScene01() override;
    NTestScene01(const NTestScene01&) = delete;
    NTestScene01& operator=(const NTestScene01&) = delete;
    NClass* Create() override { return new NTestScene01; }
    // Fills in the default shader and particle material, builds the nodes, then the
    // scene's own Init. Once.
    void Init() override;

  private:
    void FillDefaultMaterial();
    NTransformNode* MakeCameraNode();
    // A node at `position` turned about `axis` by `angle`, carrying `content` drawn
    // with the default particle material.
    NTransformNode* MakeTurnedNode(NVectValue* position, NFloatValue* angle, NVectValue* axis,
                                   NDrawable* content);
    NVectValue* Vector(float x, float y, float z);
    NFloatValue* Float(float f);
    NFloatValue* DeltaFloat(float start, float delta);
    // Keeps `object` for the life of the scene.
    template <typename T>
    T* Own(T* object) {
        owned.emplace_back(object);
        return object;
    }

    // Everything the scene made: nodes, contents, values, the texture and its bitmap.
    std::vector<std::unique_ptr<NClass>> owned;
    // The default particle material's texture, once filled in.
    NTexture* inferno = nullptr;
};
