#include "raytrace/RayNode.h"

void NRayNode::Members(MemberTable<NRayNode>& m) {
    m.Add<&NRayNode::Param>("Param");
}
