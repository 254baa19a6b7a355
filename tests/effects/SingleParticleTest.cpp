// The particle's square and its time window, without a window.
#include <gtest/gtest.h>

#include <string>

#include "TestSupport.h"
#include "app/ClassTable.h"
#include "base/Con.h"
#include "base/FrameTime.h"
#include "base/ScalarMath.h"
#include "effects/SingleParticle.h"
#include "scene/SceneTestSupport.h"
#include "values/ColorValue.h"
#include "values/VectValue.h"

using test::LogText;

namespace {

// A float value that counts its updates.
struct CountedFloat : NFloatValue {
    void Update() override { ++updates; }
    int updates = 0;
};

}  // namespace

TEST(SingleParticle, CornersTurnAboutTheCentre) {
    ParticleCorner corners[4];
    ParticleCorners(0.0f, 0.0f, 0.0f, 0.0f, 1.0f, corners);
    const float square[4][2] = {{-1, -1}, {-1, 1}, {1, 1}, {1, -1}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_FLOAT_EQ(corners[i].x, square[i][0]) << i;
        EXPECT_FLOAT_EQ(corners[i].y, square[i][1]) << i;
    }
    EXPECT_FLOAT_EQ(corners[0].v, 1.0f);
    EXPECT_FLOAT_EQ(corners[2].u, 1.0f);

    ParticleCorners(10.0f, 20.0f, -3.0f, Pi() * 0.5f, 2.0f, corners);
    EXPECT_NEAR(corners[2].x, 10.0f - 2.0f, 1e-5f);  // corner (1, 1) turns to (-1, 1)
    EXPECT_NEAR(corners[2].y, 20.0f + 2.0f, 1e-5f);
    EXPECT_FLOAT_EQ(corners[2].z, -3.0f);
}

TEST(SingleParticle, ValuesUpdateOnlyInsideTheWindowBothEndsIncluded) {
    NClassRegistration();
    Con.EnableBuffer(true);
    NScene scene;
    CurrentScene = &scene;
    QuietMaterial material;
    NColorValue color;
    NVectValue position;
    NFloatValue angle;
    CountedFloat size;
    NSingleParticle particle;
    particle.Material = &material;
    particle.Beg = 1.0f;
    particle.End = 2.0f;
    particle.Color = &color;
    particle.P = &position;
    particle.Angle = &angle;
    particle.Size = &size;
    particle.Init();
    for (const float t : {0.999f, 1.0f, 1.5f, 2.0f, 2.001f}) {
        CurrentTime = t;
        particle.Update();
    }
    EXPECT_EQ(size.updates, 3);
    EXPECT_EQ(Con.ErrorCount(), 0) << LogText();
    CurrentScene = nullptr;
}

TEST(SingleParticle, MissingValuesAreReportedOnceAndNeverRead) {
    NClassRegistration();
    Con.EnableBuffer(true);
    NScene scene;
    CurrentScene = &scene;
    QuietMaterial material;
    CountedFloat size;
    NSingleParticle particle;
    particle.Material = &material;
    particle.End = 10.0f;
    particle.Size = &size;
    particle.Init();
    const std::string log = LogText();
    EXPECT_NE(log.find("SingleParticle: 'Color' is not set"), std::string::npos) << log;
    EXPECT_NE(log.find("SingleParticle: 'Angle' is not set"), std::string::npos) << log;
    EXPECT_EQ(Con.ErrorCount(), 3);
    CurrentTime = 1.0f;
    particle.Update();
    particle.Render();  // would read the missing values, and draw, if it went on
    EXPECT_EQ(size.updates, 0);
    EXPECT_EQ(Con.ErrorCount(), 3);
    CurrentScene = nullptr;
}
