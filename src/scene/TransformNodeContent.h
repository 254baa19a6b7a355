// What a transform node carries: a drawable, a view or a light, which reads the
// matrices of the node it hangs on.
#pragma once

#include "reflect/Class.h"
#include "reflect/MemberTable.h"

class NTransformNode;

class NTransformNodeContent : public NClass {
  public:
    NClass* Create() override { return new NTransformNodeContent; }

    // The carrying node, set by that node's Init; null until then.
    NTransformNode* node = nullptr;
};
