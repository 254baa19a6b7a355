#include "scene/PAANode.h"

#include "values/FloatValue.h"
#include "values/VectValue.h"

void NPAANode::Members(MemberTable<NPAANode>& m) {
    m.Add<&NPAANode::Position>("Position");
    m.Add<&NPAANode::RotationAngle>("RotationAngle");
    m.Add<&NPAANode::RotationAxis>("RotationAxis");
}
