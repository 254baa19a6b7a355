#include "effects/RoundQuad.h"

namespace {

constexpr uint8_t kSheetAlpha = 150;
constexpr uint8_t kColumnColors[4][3] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {0, 0, 0}};
constexpr float kSheetDepth = -0.5f;

}  // namespace

void QuadColumnColor(NMesh& mesh, int32_t vertex, int32_t column) {
    const uint8_t* rgb = kColumnColors[column % 4];
    mesh.SetColor(vertex, rgb[0], rgb[1], rgb[2], kSheetAlpha);
}

NRoundQuad::NRoundQuad() {
    Length = 200.0f;
    Width = 200.0f;
    Lines = 2;
    Divisions = 2;
}

void NRoundQuad::Render() {
    BuildVertices();
    NMesh::Render();
}

void NRoundQuad::BuildVertices() {
    // Only a grid set up by Init fits the arrays.
    if (!layout || Lines < 2 || Divisions < 2 || int64_t{Lines} * Divisions > vertexCapacity) {
        return;
    }
    const float stepX = Width / static_cast<float>(Divisions - 1);
    const float stepY = Length / static_cast<float>(Lines - 1);
    const float stepU = 1.0f / static_cast<float>(Divisions - 1);
    const float stepV = 1.0f / static_cast<float>(Lines - 1);
    for (int32_t i = 0; i < Lines; ++i) {
        const float y = -Length * 0.5f + static_cast<float>(i) * stepY;
        float x = -Width * 0.5f;
        for (int32_t k = 0; k < Divisions; ++k) {
            const int32_t vertex = i * Divisions + k;
            SetPosition(vertex, x, y, kSheetDepth);
            QuadColumnColor(*this, vertex, k);
            SetTexCoord(vertex, 0, static_cast<float>(k) * stepU, static_cast<float>(i) * stepV);
            SetNormal(vertex, 0.0f, 0.0f, 1.0f);
            x += stepX;
        }
    }
}
