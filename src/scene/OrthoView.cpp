#include "scene/OrthoView.h"

#include <GL/gl.h>

void NOrthoView::Apply() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-1.0, 1.0, 0.75, -0.75, -1.0, 1.0);
}
