#pragma once

#include "object/MemberTable.h"
#include "scene/TransformNode.h"

class NFloatValue;
class NVectValue;

class NPAANode : public NTransformNode {
  public:
    NClass* Create() override { return new NPAANode; }
    static void Members(MemberTable<NPAANode>& m);

    NVectValue* Position = nullptr;
    NFloatValue* RotationAngle = nullptr;
    NVectValue* RotationAxis = nullptr;
};
