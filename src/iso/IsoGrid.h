// The isosurface's sampling grid: 32 points a side, 20 units apart, centred on the
// mesh's origin. Point (i, j, k) is stored at i + 32 j + 1024 k and lies at
// (-320 + 20 i, -320 + 20 j, -320 + 20 k). Cubes start at points 0..29 on each axis.
#pragma once

constexpr int kIsoSide = 32;
constexpr int kIsoRowStride = kIsoSide;
constexpr int kIsoSliceStride = kIsoSide * kIsoSide;
constexpr int kIsoPointCount = kIsoSliceStride * kIsoSide;
constexpr int kIsoCubeSide = 30;
constexpr float kIsoSpacing = 20.0f;
constexpr float kIsoOrigin = -320.0f;

constexpr int IsoIndex(int i, int j, int k) {
    return i + kIsoRowStride * j + kIsoSliceStride * k;
}

// The coordinate of grid index `i` along any axis.
constexpr float IsoCoordinate(int i) {
    return kIsoOrigin + kIsoSpacing * static_cast<float>(i);
}
