#include "scene/Camera.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "base/Con.h"
#include "render/Surface.h"

void NCamera::Members(MemberTable<NCamera>& m) {
    m.Add<&NCamera::ViewAngle>("ViewAngle");
    m.Add<&NCamera::FarZ>("FarZ");
}

void NCamera::Apply() {
    if (!CurrentSurface) {
        Con.Error("NCamera: no surface is active for rendering");
        return;
    }
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    const double aspect = static_cast<double>(CurrentSurface->Width()) /
                          static_cast<double>(CurrentSurface->Height());
    gluPerspective(ViewAngle, aspect, 1.0, FarZ);
    glClearDepth(FarZ);
}
