#include "scene/PTRNode.h"

#include "values/FloatValue.h"
#include "values/VectValue.h"

void NPTRNode::Members(MemberTable<NPTRNode>& m) {
    m.Add<&NPTRNode::Position>("Position");
    m.Add<&NPTRNode::Target>("Target");
    m.Add<&NPTRNode::Roll>("Roll");
}
