// Content that decides how the scene is projected: a scene applies its View2D
// before drawing, and its View3D's node gives the camera transform.
#pragma once

#include "reflect/MemberTable.h"
#include "scene/TransformNodeContent.h"

class NView : public NTransformNodeContent {
  public:
    NClass* Create() override { return new NView; }
    // Loads the projection matrix, which stays the current matrix.
    virtual void Apply() {}
};
