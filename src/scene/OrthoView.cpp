#include "scene/OrthoView.h"

#include "render/Renderer.h"

void NOrthoView::Apply() {
    CurrentRenderer().LoadOrtho(-1.0, 1.0, 0.75, -0.75, -1.0, 1.0);
}
