#include "raytrace/RayNode0.h"

void NRayNode0::Update() {
    position = {0, 0, 600};
    MatrixTranslation(local, {-position.x, -position.y, -position.z});
    NTransformNode::Update();
}
