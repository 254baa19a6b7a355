// A node placed by a position and a turn about an axis: rotate about the node's
// origin, then move the origin to `Position`.
#pragma once

#include "reflect/MemberTable.h"
#include "scene/TransformNode.h"

class NFloatValue;
class NVectValue;

class NPAANode : public NTransformNode {
  public:
    NClass* Create() override { return new NPAANode; }
    static void Members(MemberTable<NPAANode>& m);

    // Initialises the parameters, reporting each one the document left out.
    void Init() override;
    // A missing parameter counts as the origin, a zero angle or no axis: no turn.
    void Update() override;

    NVectValue* Position = nullptr;
    // Radians.
    NFloatValue* RotationAngle = nullptr;
    NVectValue* RotationAxis = nullptr;
};
