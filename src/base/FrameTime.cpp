#include "base/FrameTime.h"

float CurrentTime = 0;
float PartFade = 1;
uint32_t FrameNumber = 0;
