#include "iso/TestScene01.h"

#include <cstdlib>
#include <cstring>
#include <numbers>

#include "effects/RippleQuad.h"
#include "effects/RoundQuad.h"
#include "image/Bitmap.h"
#include "iso/ISO.h"
#include "render/ParticleMaterial.h"
#include "render/Shader.h"
#include "render/Texture.h"
#include "scene/Camera.h"
#include "scene/PAANode.h"
#include "scene/PTRNode.h"
#include "values/CameraPosition01.h"
#include "values/DeltaFloatValue.h"
#include "values/FloatValue.h"
#include "values/VectValue.h"

namespace {

// pi * k worked out in long double and stored as float.
float PiTimes(long double k) {
    return static_cast<float>(std::numbers::pi_v<long double> * k);
}

void ReplaceText(char*& text, const char* value) {
    free(text);
    text = strdup(value);
}

}  // namespace

NTestScene01::~NTestScene01() {
    // The process-wide material outlives the scene; it must not keep our texture.
    if (inferno && DefaultParticleMaterial.Texture == inferno) {
        DefaultParticleMaterial.Texture = nullptr;
    }
}

void NTestScene01::Init() {
    if (initialised) {
        return;
    }
    FillDefaultMaterial();
    NTransformNode* camera = MakeCameraNode();
    NTransformNode* nodes[] = {
        camera,
        MakeTurnedNode(Vector(0, 0, 0), DeltaFloat(PiTimes(0.5L), 2.0f), Vector(0, -1, 0),
                       Own(new NISO)),
        MakeTurnedNode(Vector(-320, -40, 0), DeltaFloat(PiTimes(0.4L), 2.0f),
                       Vector(0, 0.1f, 0.994987f), Own(new NRoundQuad)),
        MakeTurnedNode(Vector(320, -350, 0), DeltaFloat(PiTimes(0.6L), 2.0f), Vector(0, 0, 1),
                       Own(new NRoundQuad)),
        MakeTurnedNode(Vector(0, -200, 0), Float(PiTimes(0.5L)), Vector(0, 1, 0),
                       Own(new NRippleQuad)),
    };
    View2D = View3D = static_cast<NView*>(camera->Object);
    for (NTransformNode* node : nodes) {
        node->SetParent(&root);
    }
    NScene::Init();
}

void NTestScene01::FillDefaultMaterial() {
    ReplaceText(DefaultShader.VertexShaderFilename, "BlueFogPhong.glvert");
    ReplaceText(DefaultShader.FragmentShaderFilename, "BlueFogPhong.glfrag");
    auto* bitmap = Own(new NBitmap);
    bitmap->SetName("inferno.jpg");
    inferno = Own(new NTexture);
    inferno->Bitmap = bitmap;
    DefaultParticleMaterial.Shader = &DefaultShader;
    DefaultParticleMaterial.vertexLayout = &kParticleLayout;
    DefaultParticleMaterial.Texture = inferno;
}

NTransformNode* NTestScene01::MakeCameraNode() {
    auto* node = Own(new NPTRNode);
    node->Position = Own(new NCameraPosition01);
    node->Target = Vector(100, 0, 0);
    node->Roll = Float(0);
    auto* camera = Own(new NCamera);
    camera->ViewAngle = 90.0f;
    camera->FarZ = 1000.0f;
    node->Object = camera;
    return node;
}

NTransformNode* NTestScene01::MakeTurnedNode(NVectValue* position, NFloatValue* angle,
                                             NVectValue* axis, NDrawable* content) {
    auto* node = Own(new NPAANode);
    node->Position = position;
    node->RotationAngle = angle;
    node->RotationAxis = axis;
    content->Material = &DefaultParticleMaterial;
    node->Object = content;
    return node;
}

NVectValue* NTestScene01::Vector(float x, float y, float z) {
    auto* value = Own(new NVectValue);
    value->x = x;
    value->y = y;
    value->z = z;
    return value;
}

NFloatValue* NTestScene01::Float(float f) {
    auto* value = Own(new NFloatValue);
    value->f = f;
    return value;
}

NFloatValue* NTestScene01::DeltaFloat(float start, float delta) {
    auto* value = Own(new NDeltaFloatValue);
    value->Start = start;
    value->Delta = delta;
    return value;
}
