#include "base/FrameTime.h"

float CurrentTime = 0;
float PartFade = 1;
