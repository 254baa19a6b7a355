// Helpers of the scene tests: value objects made in code, matrix comparisons, and
// contents that write down when the scene reaches them.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "TestSupport.h"
#include "base/Con.h"
#include "render/Material.h"
#include "scene/Drawable.h"
#include "scene/Matrix44.h"
#include "scene/Scene.h"
#include "values/FloatValue.h"
#include "values/VectValue.h"

// A material that leaves the OpenGL state alone: scene tests are about order, not
// drawing.
struct QuietMaterial : NMaterial {
    void Init() override {}
    void Render() override {}
};

namespace test {

inline NVectValue Vect(const Vector3& v) {
    NVectValue value;
    value.x = v.x;
    value.y = v.y;
    value.z = v.z;
    return value;
}

inline NFloatValue Float(float f) {
    NFloatValue value;
    value.f = f;
    return value;
}

inline void ExpectNear(const Vector3& actual, const Vector3& expected, float tolerance = 1e-5f) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

inline void ExpectNear(const Matrix44& actual, const Matrix44& expected, float tolerance = 1e-5f) {
    for (int i = 0; i < 16; ++i) {
        EXPECT_NEAR(actual.m[i], expected.m[i], tolerance) << "element " << i;
    }
}

inline Matrix44 Product(const Matrix44& a, const Matrix44& b) {
    Matrix44 out;
    MatrixMultiply(a, b, out);
    return out;
}

inline Matrix44 Identity() {
    Matrix44 m;
    MatrixIdentity(m);
    return m;
}

// Writes "<name>.<what> " into a shared trace at each call the scene makes.
class TracedContent : public NTransformNodeContent {
  public:
    TracedContent(std::string* trace, const char* name) : trace(trace), name(name) {}
    void Init() override { *trace += std::string(name) + ".init "; }
    void Update() override { *trace += std::string(name) + ".update "; }

  private:
    std::string* trace;
    const char* name;
};

class TracedDrawable : public NDrawable {
  public:
    TracedDrawable(std::string* trace, const char* name) : trace(trace), name(name) {
        Material = &material;
    }
    void Init() override {
        *trace += std::string(name) + ".init ";
        NDrawable::Init();
    }
    void Render() override {
        *trace += std::string(name) + ".render" + std::to_string(RenderPass) + " ";
    }

  private:
    QuietMaterial material;
    std::string* trace;
    const char* name;
};

}  // namespace test
