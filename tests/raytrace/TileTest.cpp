// The tile's block walk on scripted hits: which samples are traced, which quads are
// emitted and what their corners show.
#include <gtest/gtest.h>

#include <functional>

#include "RayTestSupport.h"
#include "base/FrameStats.h"
#include "effects/Sprite.h"
#include "raytrace/Tile.h"

using raytest::BasicRayScene;
using raytest::Log;
using raytest::QuadsOf;

namespace {

// Hits by a script over the grid's (row, column); texture coordinates tell the
// sample apart.
class ScriptedTile : public NTile {
  public:
    void Trace(RaySample& sample) override {
        ++traced;
        const int32_t index = static_cast<int32_t>(&sample - grid->Samples());
        const int32_t row = index / grid->Columns();
        const int32_t column = index % grid->Columns();
        sample.hit = script(row, column);
        sample.u = static_cast<float>(column);
        sample.v = static_cast<float>(row);
    }
    std::function<int32_t(int32_t, int32_t)> script = [](int32_t, int32_t) { return 0; };
    int traced = 0;
};

struct TileScene : BasicRayScene<ScriptedTile> {
    TileScene(int32_t minSize, int32_t maxSize, int spheres = 2) {
        tracer.MinBlockSize = minSize;
        tracer.MaxBlockSize = maxSize;
        for (int i = 0; i < spheres; ++i) {
            AddSphere({0, 0, 100}, 10);
        }
        Init();
    }
    const NRaySphere& Primitive(int i) { return *tracer.primitives[i]; }
    std::vector<CornerSprite> Quads(int i) const { return QuadsOf(tracer, i); }
    int32_t QuadCount(int i) const { return tracer.quads.Count(i); }
};

// Whether `quads` hold one centred on the square whose top-left sample is at
// (row, column) with edge 1; it is copied to `found`.
bool QuadOver(const std::vector<CornerSprite>& quads, int32_t row, int32_t column,
              CornerSprite* found = nullptr) {
    const float x = 2.0f * (static_cast<float>(column) + 0.5f) / 640.0f - 1.0f;
    const float y = 1.5f * (static_cast<float>(row) + 0.5f) / 480.0f - 0.75f;
    for (const CornerSprite& quad : quads) {
        if (std::fabs(quad.x - x) < 1e-5f && std::fabs(quad.y - y) < 1e-5f) {
            if (found) {
                *found = quad;
            }
            return true;
        }
    }
    return false;
}

}  // namespace

TEST(Tile, UniformHitsAreTracedOnlyAtBlockCornersOncePerFrame) {
    TileScene scene(1, 16);
    // Room for a quad on every pixel cell, however finely the walk splits, shared
    // by all primitives.
    EXPECT_EQ(scene.tracer.quads.Capacity(), 640 * 480);
    EXPECT_EQ(TileScene(16, 16).tracer.quads.Capacity(), 1200);
    EXPECT_EQ(TileScene(4, 16).tracer.quads.Capacity(), 160 * 120);
    EXPECT_EQ(scene.Primitive(1).pass, 2);
    // Every corner hits primitive 0, whose hit value is 0 like an untraced sample's.
    scene.Frame();
    EXPECT_EQ(scene.tracer.traced, 41 * 31);
    ASSERT_EQ(scene.QuadCount(0), 1200);
    EXPECT_EQ(scene.QuadCount(1), 0);
    const CornerSprite first = scene.Quads(0)[0];
    // Half the block's width with a tenth to spare: 16 pixels are 0.05.
    EXPECT_FLOAT_EQ(first.r, 0.05f * 0.55f);
    EXPECT_FLOAT_EQ(first.x, -1.0f + 0.025f);
    EXPECT_FLOAT_EQ(first.texCoord[kBottomRight].u, 16.0f);

    // Misses everywhere: no subdivision, no quads.
    scene.tracer.traced = 0;
    scene.tracer.script = [](int32_t, int32_t) { return kRayMiss; };
    scene.Frame();
    EXPECT_EQ(scene.tracer.traced, 41 * 31);
    EXPECT_EQ(scene.QuadCount(0), 0);
}

TEST(Tile, SmallestSquaresBorrowCornersThatAgreeWithTheTopLeft) {
    TileScene scene(1, 2);
    // Sample (2, 4) alone hits primitive 1: the blocks around it are split down to
    // single cells. In the cell at (2, 3) it is the top-right corner.
    scene.tracer.script = [](int32_t row, int32_t column) {
        return row == 2 && column == 4 ? 1 : 0;
    };
    scene.Frame();
    CornerSprite cell;
    ASSERT_TRUE(QuadOver(scene.Quads(0), 2, 3, &cell));
    // The top-right repeats the bottom-right (row 3, column 4).
    EXPECT_EQ(cell.texCoord[kTopRight].u, 4.0f);
    EXPECT_EQ(cell.texCoord[kTopRight].v, 3.0f);
    EXPECT_EQ(cell.texCoord[kTopLeft].u, 3.0f);
    EXPECT_NEAR(cell.r, 2.0f / 640.0f * 0.55f, 1e-7f);
    // The cell whose top-left is the odd sample goes to primitive 1.
    EXPECT_TRUE(QuadOver(scene.Quads(1), 2, 4));

    // A smallest square whose top-left misses emits nothing, whatever the others hit.
    scene.tracer.script = [](int32_t row, int32_t column) {
        return row == 2 && column == 4 ? kRayMiss : 0;
    };
    scene.Frame();
    EXPECT_FALSE(QuadOver(scene.Quads(0), 2, 4));
    EXPECT_TRUE(QuadOver(scene.Quads(0), 2, 3));
}

TEST(Tile, SingleCellBlocksCoverTheScreenHoweverManyPrimitivesShareIt) {
    TileScene scene(1, 1, NTile::kMaxPrimitives);
    // Column c hits primitive c % 255: the primitives below 130 get three columns,
    // the rest two.
    scene.tracer.script = [](int32_t, int32_t column) { return column % NTile::kMaxPrimitives; };
    scene.Frame();
    EXPECT_EQ(scene.tracer.traced, 641 * 481);
    int32_t quads = 0;
    for (int i = 0; i < NTile::kMaxPrimitives; ++i) {
        ASSERT_EQ(scene.QuadCount(i), 480 * (i < 130 ? 3 : 2)) << i;
        quads += scene.QuadCount(i);
    }
    EXPECT_EQ(quads, 640 * 480);
    // A primitive's quads keep the order of the walk, row by row.
    const std::vector<CornerSprite> ofOne = scene.Quads(1);
    EXPECT_TRUE(QuadOver({ofOne[1]}, 0, 256));
    EXPECT_TRUE(QuadOver({ofOne[3]}, 1, 1));

    // Each primitive draws all of its quads, a batch at a time, and none twice; the
    // frame's quads are fresh, so drawing them traces nothing again.
    TheFrameStats.sprites = 0;
    for (int i = 0; i < NTile::kMaxPrimitives; ++i) {
        scene.tracer.primitives[i]->Render();
    }
    EXPECT_EQ(TheFrameStats.sprites, 640 * 480);
    EXPECT_EQ(scene.tracer.traced, 641 * 481);
    EXPECT_LT(scene.Primitive(0).spriteCapacity, scene.QuadCount(0));
}

TEST(Tile, CellByCellEmitsCellsWhosePrimitivesAgree) {
    TileScene scene(4, 4);
    scene.tracer.Subdivision = 0;
    // Columns below 80 hit primitive 1, the rest primitive 0 (the shadow bit is
    // ignored here); row 0 misses.
    scene.tracer.script = [](int32_t row, int32_t column) {
        return row == 0 ? kRayMiss : column < 80 ? 1 : kRayShadow;
    };
    scene.Frame();
    EXPECT_EQ(scene.tracer.traced, 161 * 121);
    EXPECT_EQ(scene.QuadCount(1), 79 * 119);
    EXPECT_EQ(scene.QuadCount(0), 80 * 119);
    EXPECT_FLOAT_EQ(scene.Quads(0)[0].r, 4.0f / 640.0f);
}

TEST(Tile, TilesOfOneSmallestBlockShareItsGridAndKeepTheirOwnQuads) {
    TileScene coarse(4, 16);
    TileScene alsoCoarse(4, 8, 1);
    TileScene fine(1, 16);
    EXPECT_EQ(coarse.tracer.grid, alsoCoarse.tracer.grid);
    EXPECT_NE(coarse.tracer.grid, fine.tracer.grid);
    ASSERT_EQ(coarse.tracer.grid->Columns(), 161);
    ASSERT_EQ(coarse.tracer.grid->Rows(), 121);
    EXPECT_EQ(fine.tracer.grid->Columns(), 641);
    const RaySample& last = coarse.tracer.grid->Samples()[coarse.tracer.grid->Count() - 1];
    EXPECT_FLOAT_EQ(last.x, 1.0f);
    EXPECT_FLOAT_EQ(last.y, 0.75f);
    alsoCoarse.tracer.script = [](int32_t, int32_t) { return kRayMiss; };
    coarse.Frame();
    alsoCoarse.Frame();
    fine.Frame();
    // Each tile traces every corner it needs, whoever traced the samples before.
    EXPECT_EQ(coarse.tracer.traced, 41 * 31);
    EXPECT_EQ(alsoCoarse.tracer.traced, 81 * 61);
    EXPECT_EQ(coarse.QuadCount(0), 1200);
    EXPECT_EQ(alsoCoarse.QuadCount(0), 0);
}

TEST(Tile, PrimitivesItCannotTraceOrHoldAreReportedAndLeftOut) {
    BasicRayScene<ScriptedTile> scene;
    // Small sprite lists: there are hundreds of primitives.
    scene.tracer.MinBlockSize = 16;
    NRayPrim plain;
    plain.Material = &scene.material;
    scene.Place(&plain, {0, 0, 0});
    for (int i = 0; i < NTile::kMaxPrimitives + 2; ++i) {
        scene.AddSphere({0, 0, 100}, 10);
    }
    scene.Init();
    EXPECT_EQ(scene.tracer.primitiveCount, NTile::kMaxPrimitives);
    EXPECT_EQ(Con.ErrorCount(), 2) << Log();
    EXPECT_NE(Log().find("[RayPrim]"), std::string::npos) << Log();
    EXPECT_NE(Log().find("more than 255 ray primitives"), std::string::npos) << Log();
    scene.Frame();
}
