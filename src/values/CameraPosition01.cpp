#include "values/CameraPosition01.h"

#include "app/FrameTime.h"
#include "values/ScalarMath.h"

void NCameraPosition01::Update() {
    x = 400;
    y = 0;
    z = Sin(CurrentTime) * 600;
}
