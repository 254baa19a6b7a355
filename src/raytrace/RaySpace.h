// Ray space is the space of the node that carries the current scene's View3D: the
// eye at its origin, looking along +z.
#pragma once

#include "scene/Matrix44.h"

// World to ray space: the View3D node's worldInverse; the identity when the scene
// has no View3D or the view hangs on no node.
const Matrix44& WorldToRaySpace();
// Ray space to world: the View3D node's world, or the identity.
const Matrix44& RaySpaceToWorld();
