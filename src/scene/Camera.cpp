#include "scene/Camera.h"

#include "base/Con.h"
#include "render/Renderer.h"
#include "window/Surface.h"

void NCamera::Members(MemberTable<NCamera>& m) {
    m.Add<&NCamera::ViewAngle>("ViewAngle");
    m.Add<&NCamera::FarZ>("FarZ");
}

void NCamera::Apply() {
    if (!CurrentSurface) {
        Con.Error("NCamera: no surface is active for rendering");
        return;
    }
    const double aspect = static_cast<double>(CurrentSurface->Width()) /
                          static_cast<double>(CurrentSurface->Height());
    Renderer& renderer = CurrentRenderer();
    renderer.LoadPerspective(ViewAngle, aspect, 1.0, FarZ);
    renderer.SetClearDepth(FarZ);
}
