#include "effects/RippleQuad.h"

#include "base/ScalarMath.h"
#include "effects/RoundQuad.h"

NRippleQuad::NRippleQuad() {
    Length = 400.0f;
    Width = 200.0f;
    Divisions = 15;
}

void NRippleQuad::Init() {
    DeriveLines();
    NQuadMesh::Init();
}

void NRippleQuad::DeriveLines() {
    const int64_t lines = int64_t{segmentCount} * rowsPerSegment + 1;
    // A count beyond int32 is raised or refused by the grid's own checks.
    Lines =
        lines > kMaxVertices ? static_cast<int32_t>(kMaxVertices + 1) : static_cast<int32_t>(lines);
}

void NRippleQuad::Render() {
    BuildVertices();
    NMesh::Render();
}

void NRippleQuad::BuildVertices() {
    if (!layout || rowsPerSegment < 1 || Divisions < 2 || Lines < 2 ||
        int64_t{Lines} * Divisions > vertexCapacity) {
        return;
    }
    const float stepX = Width / static_cast<float>(Divisions - 1);
    const float stepY = Length / static_cast<float>(Lines - 1);
    const float columnSpan = static_cast<float>(Divisions - 1);
    const float rowSpan = static_cast<float>(rowsPerSegment);
    for (int32_t s = 0; s < segmentCount; ++s) {
        // The last segment also writes the grid's closing row.
        const int32_t rows = s == segmentCount - 1 ? rowsPerSegment + 1 : rowsPerSegment;
        for (int32_t j = 0; j < rows; ++j) {
            const int32_t row = s * rowsPerSegment + j;
            if (row >= Lines) {
                return;
            }
            const float y = -Length * 0.5f + static_cast<float>(row) * stepY;
            const float across = Sin(Pi() * static_cast<float>(j) / rowSpan);
            const float v = static_cast<float>(s) + static_cast<float>(j) / rowSpan;
            float x = -Width * 0.5f;
            for (int32_t k = 0; k < Divisions; ++k) {
                const int32_t vertex = row * Divisions + k;
                const float along = Sin(Pi() * static_cast<float>(k) / columnSpan);
                SetPosition(vertex, x, y, amplitude * along * across);
                QuadColumnColor(*this, vertex, k);
                SetTexCoord(vertex, 0, static_cast<float>(k) / columnSpan, v);
                SetNormal(vertex, 0.0f, 0.0f, 1.0f);
                x += stepX;
            }
        }
    }
}
