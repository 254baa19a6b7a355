// A node that adds no transform of its own: its world matrices are its parent's.
// Every scene's root is one.
#pragma once

#include "reflect/MemberTable.h"
#include "scene/TransformNode.h"

class NIdentityNode : public NTransformNode {
  public:
    NClass* Create() override { return new NIdentityNode; }
    // All four matrices become the identity, then the content is hooked up.
    void Init() override;
    void Update() override { Finish(); }
};
