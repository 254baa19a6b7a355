#include "scene/IdentityNode.h"

void NIdentityNode::Init() {
    MatrixIdentity(localInverse);
    MatrixIdentity(local);
    MatrixIdentity(worldInverse);
    MatrixIdentity(world);
    NTransformNode::Init();
}
