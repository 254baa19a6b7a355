// The grid meshes on their arrays, without a window: the triangle list, the flat
// sheet, the humps, and what is refused.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MeshTestSupport.h"
#include "TestSupport.h"
#include "app/ClassTable.h"
#include "base/Con.h"
#include "effects/QuadMesh.h"
#include "effects/RippleQuad.h"
#include "effects/RoundQuad.h"
#include "render/ColorTexMaterial.h"
#include "render/ParticleMaterial.h"

using meshtest::Color;
using meshtest::Normal;
using meshtest::Position;
using meshtest::TexCoord;

using test::LogText;

namespace {

std::vector<uint32_t> Triangles(const NMesh& mesh) {
    return {mesh.indices.begin(), mesh.indices.begin() + 3 * mesh.triangleCount};
}

class QuadMeshTest : public testing::Test {
  protected:
    void SetUp() override {
        NClassRegistration();
        Con.EnableBuffer(true);
    }
    NParticleMaterial particle;
};

}  // namespace

TEST_F(QuadMeshTest, SmallestGridIsTwoTrianglesWoundAlike) {
    NQuadMesh mesh;
    mesh.Material = &particle;
    mesh.Lines = 2;
    mesh.Divisions = 2;
    ASSERT_TRUE(mesh.SetUpGrid());
    EXPECT_EQ(mesh.vertexCount, 4);
    EXPECT_EQ(Triangles(mesh), (std::vector<uint32_t>{0, 1, 2, 1, 3, 2}));
    EXPECT_EQ(mesh.vertices.size(), 4u * 36u);
    EXPECT_EQ(Con.ErrorCount(), 0) << LogText();
}

TEST_F(QuadMeshTest, SmallGridSizesAreRaisedDivisionsFirst) {
    NQuadMesh mesh;
    mesh.Material = &particle;
    mesh.Lines = 1;
    mesh.Divisions = 0;
    ASSERT_TRUE(mesh.SetUpGrid());
    const std::string log = LogText();
    const size_t divisions = log.find("QuadMesh: 'Divisions' must be at least 2");
    const size_t lines = log.find("QuadMesh: 'Lines' must be at least 2");
    ASSERT_NE(divisions, std::string::npos) << log;
    ASSERT_NE(lines, std::string::npos) << log;
    EXPECT_LT(divisions, lines);
    EXPECT_EQ(Con.ErrorCount(), 2);
    EXPECT_EQ(mesh.vertexCount, 4);
    EXPECT_EQ(mesh.triangleCount, 2);
}

TEST_F(QuadMeshTest, OversizedGridIsRefusedWithoutAllocating) {
    NQuadMesh mesh;
    mesh.Material = &particle;
    mesh.Lines = 2000000000;
    mesh.Divisions = 2000000000;
    EXPECT_FALSE(mesh.SetUpGrid());
    EXPECT_TRUE(mesh.vertices.empty());
    EXPECT_EQ(mesh.layout, nullptr);
    EXPECT_EQ(Con.ErrorCount(), 1);
    EXPECT_NE(LogText().find("QuadMesh: "), std::string::npos) << LogText();
}

TEST_F(QuadMeshTest, SheetsRefuseAMissingMaterialOrAnotherLayout) {
    NColorTexMaterial colorTexture;
    NRoundQuad wrongLayout;
    wrongLayout.Material = &colorTexture;
    EXPECT_FALSE(wrongLayout.SetUpGrid());
    EXPECT_NE(
        LogText().find("RoundQuad: needs a material with the particle vertex layout (36 bytes)"),
        std::string::npos)
        << LogText();
    wrongLayout.BuildVertices();  // nothing to write into, and nothing written

    NRippleQuad noMaterial;
    noMaterial.Init();
    EXPECT_NE(LogText().find("RippleQuad: 'Material' is not set"), std::string::npos) << LogText();
    EXPECT_EQ(Con.ErrorCount(), 2);
    EXPECT_TRUE(wrongLayout.vertices.empty());
    EXPECT_TRUE(noMaterial.vertices.empty());
}

TEST_F(QuadMeshTest, RoundQuadIsAStripedSheetAtDepthMinusHalf) {
    NRoundQuad quad;
    quad.Material = &particle;
    quad.Lines = 3;
    quad.Divisions = 5;
    ASSERT_TRUE(quad.SetUpGrid());
    quad.BuildVertices();
    EXPECT_FLOAT_EQ(Position(quad, 0).x, -100.0f);
    EXPECT_FLOAT_EQ(Position(quad, 0).y, -100.0f);
    EXPECT_FLOAT_EQ(Position(quad, 14).x, 100.0f);
    EXPECT_FLOAT_EQ(Position(quad, 14).y, 100.0f);
    // Row 1, column 1.
    EXPECT_FLOAT_EQ(Position(quad, 6).x, -50.0f);
    EXPECT_FLOAT_EQ(Position(quad, 6).y, 0.0f);
    EXPECT_FLOAT_EQ(Position(quad, 6).z, -0.5f);
    EXPECT_FLOAT_EQ(TexCoord(quad, 6, 0).x, 0.25f);
    EXPECT_FLOAT_EQ(TexCoord(quad, 6, 0).y, 0.5f);
    EXPECT_FLOAT_EQ(Normal(quad, 6).z, 1.0f);
    const int expected[5][3] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {0, 0, 0}, {255, 0, 0}};
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(Color(quad, 5 + k).r, expected[k][0]) << k;
        EXPECT_EQ(Color(quad, 5 + k).g, expected[k][1]) << k;
        EXPECT_EQ(Color(quad, 5 + k).b, expected[k][2]) << k;
        EXPECT_EQ(Color(quad, 5 + k).a, 150) << k;
    }
}

TEST_F(QuadMeshTest, DefaultRippleQuadHasOneHumpPerSegment) {
    NRippleQuad ripple;
    ripple.Material = &particle;
    ripple.Lines = 2;  // always derived from the segments
    ripple.Init();     // no window and no scene: only the arrays are set up
    Con.EnableBuffer(false);
    Con.EnableBuffer(true);
    ASSERT_EQ(ripple.Lines, 61);
    EXPECT_EQ(ripple.vertexCount, 915);
    EXPECT_EQ(ripple.triangleCount, 1680);
    ripple.BuildVertices();
    EXPECT_NEAR(Position(ripple, 5 * 15 + 7).z, 50.0f, 1e-4f);
    // Each segment's first row and the grid's last row are flat.
    for (int row = 0; row < 61; row += 10) {
        for (int k = 0; k < 15; ++k) {
            EXPECT_NEAR(Position(ripple, row * 15 + k).z, 0.0f, 1e-4f) << row << "," << k;
        }
    }
    // Rows 10 to 19 are the second segment: the texture starts over at v = 1.
    EXPECT_FLOAT_EQ(TexCoord(ripple, 15 * 15, 0).y, 1.5f);
    EXPECT_FLOAT_EQ(Position(ripple, 914).x, 100.0f);
    EXPECT_FLOAT_EQ(Position(ripple, 914).y, 200.0f);
    EXPECT_FLOAT_EQ(Position(ripple, 0).y, -200.0f);
}
