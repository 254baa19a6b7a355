#include "scene/Camera.h"

void NCamera::Members(MemberTable<NCamera>& m) {
    m.Add<&NCamera::ViewAngle>("ViewAngle");
    m.Add<&NCamera::FarZ>("FarZ");
}
