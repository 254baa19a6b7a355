#pragma once

#include "object/Class.h"
#include "object/MemberTable.h"

class NTransformNodeContent;

class NTransformNode : public NTreeNodeClass {
  public:
    NClass* Create() override { return new NTransformNode; }
    static void Members(MemberTable<NTransformNode>& m);

    NTransformNodeContent* Object = nullptr;
};
