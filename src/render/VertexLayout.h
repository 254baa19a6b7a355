// Where each attribute sits in the vertex records of a material's meshes. Meshes
// size their records by the stride and point their client arrays at the offsets.
#pragma once

#include <cstdint>

constexpr int kTextureUnitCount = 8;

// Offset and size in bytes; size 0 means the vertex has no such attribute.
struct VertexAttribute {
    int32_t offset = 0;
    int32_t size = 0;
};

struct VertexLayout {
    VertexAttribute position;                    // 3 floats
    VertexAttribute color;                       // 4 unsigned bytes
    VertexAttribute texture[kTextureUnitCount];  // 2 floats each
    VertexAttribute normal;                      // 3 floats
    int32_t stride = 0;
};

constexpr VertexAttribute kAbsent{0, 0};

inline constexpr VertexLayout kColorTextureLayout{
    .position = {0, 12}, .color = {12, 4}, .texture = {{16, 8}}, .normal = kAbsent, .stride = 24};

inline constexpr VertexLayout kParticleLayout{
    .position = {0, 12}, .color = {12, 4}, .texture = {{16, 8}}, .normal = {24, 12}, .stride = 36};

inline constexpr VertexLayout kSpriteLayout{.position = {0, 12},
                                            .color = kAbsent,
                                            .texture = {{12, 8}, {20, 8}},
                                            .normal = {28, 12},
                                            .stride = 40};

// Also the record of the quad vertex pool.
inline constexpr VertexLayout kTwoTextureLayout{.position = {0, 12},
                                                .color = {12, 4},
                                                .texture = {{16, 8}, {24, 8}},
                                                .normal = kAbsent,
                                                .stride = 32};
