#include "render/NullSurface.h"

#include "render/Renderer.h"

NNullSurface::~NNullSurface() {
    NNullSurface::Close();
}

void NNullSurface::Open() {
    if (previous) {
        return;
    }
    previous = &CurrentRenderer();
    SelectRenderer(TheNullRenderer());
}

void NNullSurface::Close() {
    if (previous) {
        SelectRenderer(*previous);
        previous = nullptr;
    }
    NSurface::Close();
}
