#include "iso/IsoField.h"

#include <algorithm>

#include "iso/IsoGrid.h"
#include "iso/IsoSourceSystem.h"

namespace {

constexpr float kKeep = 0.95f;
constexpr float kSpread = 120.0f;
constexpr float kDecay = 0.04f;
constexpr float kStrength = 200.0f;
constexpr float kSourceCap = 20.0f;
// Below this squared distance one source alone reaches the cap, so clamping to it
// changes no result and keeps a source sitting on a point from dividing by zero.
constexpr float kNearest = kStrength / kSourceCap;

// Squared offsets from each source to every grid coordinate, per axis: the distance of
// a point is then three additions.
struct SourceOffsets {
    float x[IsoSourceSystem::kMaxSources][kIsoSide];
    float y[IsoSourceSystem::kMaxSources][kIsoSide];
    float z[IsoSourceSystem::kMaxSources][kIsoSide];
};

void ComputeOffsets(const IsoSource* sources, int count, SourceOffsets& offsets) {
    for (int s = 0; s < count; ++s) {
        const Vector3& p = sources[s].position;
        for (int i = 0; i < kIsoSide; ++i) {
            const float c = IsoCoordinate(i);
            offsets.x[s][i] = (c - p.x) * (c - p.x);
            offsets.y[s][i] = (c - p.y) * (c - p.y);
            offsets.z[s][i] = (c - p.z) * (c - p.z);
        }
    }
}

// The sources' term along grid row (j, k).
void SourceRow(const SourceOffsets& offsets, int count, int j, int k, float* row) {
    for (int i = 0; i < kIsoSide; ++i) {
        row[i] = 0;
    }
    for (int s = 0; s < count; ++s) {
        const float yz = offsets.y[s][j] + offsets.z[s][k];
        const float* x = offsets.x[s];
        if (yz >= kNearest) {
            // The common case, kept free of the clamp so that it vectorises.
            for (int i = 0; i < kIsoSide; ++i) {
                row[i] += kStrength / (x[i] + yz);
            }
        } else {
            for (int i = 0; i < kIsoSide; ++i) {
                row[i] += kStrength / std::max(x[i] + yz, kNearest);
            }
        }
    }
    for (int i = 0; i < kIsoSide; ++i) {
        row[i] = std::min(kSourceCap, row[i]);
    }
}

// Diffusion and decay along interior row (j, k), plus the source term.
void DiffuseRow(const float* __restrict previous, float* __restrict newest,
                const float* __restrict source) {
    newest[0] = source[0];
    for (int i = 1; i < kIsoSide - 1; ++i) {
        const float neighbours = previous[i - 1] + previous[i + 1] + previous[i - kIsoRowStride] +
                                 previous[i + kIsoRowStride] + previous[i - kIsoSliceStride] +
                                 previous[i + kIsoSliceStride];
        const float kept = kKeep * previous[i] + neighbours / kSpread - kDecay;
        newest[i] = std::max(0.0f, kept) + source[i];
    }
    newest[kIsoSide - 1] = source[kIsoSide - 1];
}

bool IsBorder(int j, int k) {
    return j == 0 || k == 0 || j == kIsoSide - 1 || k == kIsoSide - 1;
}

}  // namespace

void StepIsoField(const float* previous, float* newest, const IsoSource* sources, int sourceCount) {
    SourceOffsets offsets;
    ComputeOffsets(sources, sourceCount, offsets);
    float source[kIsoSide];
    for (int k = 0; k < kIsoSide; ++k) {
        for (int j = 0; j < kIsoSide; ++j) {
            const int row = IsoIndex(0, j, k);
            SourceRow(offsets, sourceCount, j, k, source);
            if (IsBorder(j, k)) {
                std::copy(source, source + kIsoSide, newest + row);
            } else {
                DiffuseRow(previous + row, newest + row, source);
            }
        }
    }
}

void BlendIsoFields(const float* __restrict previous, const float* __restrict newest, float b,
                    float* __restrict blended) {
    const float a = 1.0f - b;
    for (int p = 0; p < kIsoPointCount; ++p) {
        blended[p] = previous[p] * b + newest[p] * a;
    }
}
