// A look-at node: an eye at `Position` looking at `Target`. A camera normally hangs
// on one, so that the node's worldInverse is the view matrix.
#pragma once

#include "reflect/MemberTable.h"
#include "scene/TransformNode.h"

class NFloatValue;
class NVectValue;

class NPTRNode : public NTransformNode {
  public:
    NClass* Create() override { return new NPTRNode; }
    static void Members(MemberTable<NPTRNode>& m);

    // Initialises the parameters; a missing Position, Target or Roll is reported here.
    void Init() override;
    // Without a Target nothing of the node is updated, its content included. A
    // missing Position puts the eye at the origin.
    void Update() override;

    NVectValue* Position = nullptr;
    NVectValue* Target = nullptr;
    // Kept up to date but not part of the matrices.
    NFloatValue* Roll = nullptr;
};
