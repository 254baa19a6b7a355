#include "render/Renderer.h"

namespace {

// Null until a renderer is selected: the player never selects one and draws with OpenGL.
Renderer* current = nullptr;

}  // namespace

Renderer& CurrentRenderer() {
    return current ? *current : TheOpenGLRenderer();
}

void SelectRenderer(Renderer& renderer) {
    current = &renderer;
}
