#include "scene/TransformNode.h"

#include "scene/TransformNodeContent.h"

void NTransformNode::Members(MemberTable<NTransformNode>& m) {
    m.Add<&NTransformNode::Object>("Object");
}
