#pragma once

#include "object/MemberTable.h"
#include "scene/TransformNode.h"

class NFloatValue;
class NVectValue;

class NPTRNode : public NTransformNode {
  public:
    NClass* Create() override { return new NPTRNode; }
    static void Members(MemberTable<NPTRNode>& m);

    NVectValue* Position = nullptr;
    NVectValue* Target = nullptr;
    NFloatValue* Roll = nullptr;
};
