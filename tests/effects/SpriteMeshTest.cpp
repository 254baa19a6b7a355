// The sprite meshes on their arrays, without a window: index list, the second
// unit's preset, each kind's vertices and the effect's animation.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "MeshTestSupport.h"
#include "TestSupport.h"
#include "app/ClassTable.h"
#include "base/Con.h"
#include "effects/ColorTexSpriteMesh.h"
#include "effects/ColorTexSpriteMesh01.h"
#include "effects/SpriteEffect01.h"
#include "effects/SpriteMesh02.h"
#include "render/ColorTexMaterial.h"
#include "render/N2DColorTex2Material.h"
#include "render/SpriteMaterial.h"

using meshtest::Color;
using meshtest::Normal;
using meshtest::Position;
using meshtest::TexCoord;

using test::LogText;

namespace {

CornerSprite Centred(float x, float y, float z, float r) {
    CornerSprite sprite{};
    sprite.x = x;
    sprite.y = y;
    sprite.z = z;
    sprite.r = r;
    for (int k = 0; k < kSpriteCorners; ++k) {
        sprite.texCoord[k] = {0.1f * static_cast<float>(k), 0.2f * static_cast<float>(k)};
        sprite.shade[k] = static_cast<uint8_t>(10 * (k + 1));
    }
    return sprite;
}

class SpriteMeshTest : public testing::Test {
  protected:
    void SetUp() override {
        NClassRegistration();
        Con.EnableBuffer(true);
    }
    // Sets the arrays up as Init would, without a window or a scene.
    template <class Mesh>
    void SetUpFor(Mesh& mesh, NMaterial& material, int capacity) {
        mesh.Material = &material;
        mesh.spriteCapacity = capacity;
        if constexpr (requires { mesh.cornerSprites; }) {
            mesh.cornerSprites.assign(capacity, CornerSprite{});
        }
        ASSERT_TRUE(mesh.SetUpSprites()) << LogText();
    }
    NSpriteMaterial sprite;
    NColorTexMaterial colorTexture;
};

}  // namespace

TEST_F(SpriteMeshTest, SpriteBecomesASquareOfTwoTriangles) {
    NSpriteMesh02 mesh;
    SetUpFor(mesh, sprite, 2);
    EXPECT_EQ(mesh.indices, (std::vector<uint32_t>{0, 1, 2, 1, 3, 2, 4, 5, 6, 5, 7, 6}));
    mesh.cornerSprites[0] = Centred(0.0f, 0.0f, -0.5f, 0.1f);
    mesh.spriteCount = 1;
    mesh.BuildVertices();
    mesh.CountSprites();
    EXPECT_EQ(mesh.vertexCount, 4);
    EXPECT_EQ(mesh.triangleCount, 2);
    const float expected[4][2] = {{-0.1f, -0.1f}, {0.1f, -0.1f}, {-0.1f, 0.1f}, {0.1f, 0.1f}};
    for (int k = 0; k < 4; ++k) {
        EXPECT_FLOAT_EQ(Position(mesh, k).x, expected[k][0]) << k;
        EXPECT_FLOAT_EQ(Position(mesh, k).y, expected[k][1]) << k;
        EXPECT_FLOAT_EQ(Position(mesh, k).z, -0.5f) << k;
        EXPECT_FLOAT_EQ(TexCoord(mesh, k, 0).y, 0.2f * static_cast<float>(k)) << k;
        EXPECT_FLOAT_EQ(Normal(mesh, k).z, 1.0f) << k;
    }
    // The preset second unit survives the build.
    const float unit1[4][2] = {{0, 1}, {1, 1}, {0, 0}, {1, 0}};
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(TexCoord(mesh, k, 1).x, unit1[k % 4][0]) << k;
        EXPECT_EQ(TexCoord(mesh, k, 1).y, unit1[k % 4][1]) << k;
    }
    // A count beyond the capacity is held to it.
    mesh.spriteCount = 5;
    mesh.BuildVertices();
    mesh.CountSprites();
    EXPECT_EQ(mesh.vertexCount, 8);
}

TEST_F(SpriteMeshTest, TwoTextureLayoutGetsItsOwnSecondUnitPreset) {
    N2DColorTex2Material twoTexture;
    NSpriteMesh mesh;
    SetUpFor(mesh, twoTexture, 1);
    const float unit1[4][2] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(TexCoord(mesh, k, 1).x, unit1[k][0]) << k;
        EXPECT_EQ(TexCoord(mesh, k, 1).y, unit1[k][1]) << k;
    }
}

TEST_F(SpriteMeshTest, ColourTextureKindsShadeOrMarkTheirCorners) {
    NColorTexSpriteMesh01 shaded;
    SetUpFor(shaded, colorTexture, 1);
    shaded.cornerSprites[0] = Centred(1.0f, 2.0f, 3.0f, 0.5f);
    shaded.spriteCount = 1;
    shaded.BuildVertices();
    EXPECT_FLOAT_EQ(Position(shaded, 3).x, 1.5f);
    EXPECT_FLOAT_EQ(Position(shaded, 3).y, 2.5f);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(Color(shaded, k).r, 10 * (k + 1));
        EXPECT_EQ(Color(shaded, k).b, 10 * (k + 1));
        EXPECT_EQ(Color(shaded, k).a, 255);
    }

    NColorTexSpriteMesh marked;
    SetUpFor(marked, colorTexture, 1);
    marked.cornerSprites[0] = Centred(1.0f, 2.0f, 3.0f, 0.5f);
    marked.spriteCount = 1;
    marked.BuildVertices();
    for (int k = 0; k < 4; ++k) {
        EXPECT_FLOAT_EQ(Position(marked, k).x, 1.0f);
        EXPECT_FLOAT_EQ(Position(marked, k).y, 2.0f);
        EXPECT_EQ(Color(marked, k).r, 255);
        EXPECT_EQ(Color(marked, k).a, 64 * k);
        EXPECT_FLOAT_EQ(TexCoord(marked, k, 0).x, 0.1f * static_cast<float>(k));
    }
    EXPECT_EQ(Con.ErrorCount(), 0) << LogText();
}

TEST_F(SpriteMeshTest, KindsRefuseAnotherLayoutAndCapacityZeroSetsNothingUp) {
    NSpriteMesh02 wrong;
    wrong.Material = &colorTexture;
    wrong.spriteCapacity = 4;
    wrong.Init();
    EXPECT_NE(
        LogText().find("SpriteMesh02: needs a material with the sprite vertex layout (40 bytes)"),
        std::string::npos)
        << LogText();
    EXPECT_TRUE(wrong.vertices.empty());
    // Its records exist, so a writer such as the raytracer's tile stays in bounds.
    EXPECT_EQ(wrong.cornerSprites.size(), 4u);
    wrong.spriteCount = 4;
    wrong.BuildVertices();

    NColorTexSpriteMesh01 empty;
    empty.Material = &colorTexture;
    empty.Init();
    EXPECT_TRUE(empty.vertices.empty());
    EXPECT_EQ(empty.prev, nullptr);
    EXPECT_EQ(Con.ErrorCount(), 1) << LogText();
}

TEST_F(SpriteMeshTest, EffectPlacesThreeSpritesForThePartsTime) {
    NSpriteEffect01 effect;
    effect.Material = &sprite;
    effect.spriteCapacity = NSpriteEffect01::kCapacity;
    effect.sprites.assign(NSpriteEffect01::kCapacity, Sprite{});
    ASSERT_TRUE(effect.SetUpSprites());
    ASSERT_TRUE(effect.Animate(0.0f));
    EXPECT_EQ(effect.spriteCount, 3);
    const Sprite& first = effect.sprites[0];
    EXPECT_NEAR(first.z, -0.4923f, 1e-6f);
    EXPECT_NEAR(first.r, 0.08 + 0.002 * std::sin(1.54 * M_PI), 1e-6);
    const double b = 0.77;
    const double x =
        b * (0.1 * std::sin(90 * b) + 0.6) * std::sin(0.45 * std::sin(20 * b) + 25 * b);
    EXPECT_NEAR(first.x, x, 1e-5);
    EXPECT_FLOAT_EQ(first.uLeft, first.x - 0.1f);
    EXPECT_FLOAT_EQ(first.vSecond, first.y - 0.1f);
    effect.BuildVertices();
    EXPECT_FLOAT_EQ(TexCoord(effect, 3, 0).x, first.uRight);
    EXPECT_FLOAT_EQ(TexCoord(effect, 3, 0).y, first.vSecond);
    EXPECT_FLOAT_EQ(Position(effect, 0).x, first.x - first.r);

    effect.spriteCapacity = 2;
    EXPECT_FALSE(effect.Animate(1.0f));
    EXPECT_NE(LogText().find("NSpriteMesh: not enough sprites"), std::string::npos) << LogText();
    EXPECT_EQ(Con.ErrorCount(), 1);
}
