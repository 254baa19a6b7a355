#include "values/CameraPosition01.h"

#include "base/FrameTime.h"
#include "base/ScalarMath.h"

void NCameraPosition01::Update() {
    x = 400;
    y = 0;
    z = Sin(CurrentTime) * 600;
}
