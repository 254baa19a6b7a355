// The isosurface's field: kIsoPointCount floats on the grid of iso/IsoGrid.h. Each
// step diffuses and decays the previous sample, so the sources leave fading trails,
// and adds the sources' inverse-square term; frames between steps blend the two
// latest samples.
#pragma once

#include "scene/Vector3.h"

struct IsoSource;

// One step: every interior point of `newest` becomes
// max(0, 0.95 previous + (its six neighbours in previous) / 120 - 0.04), every border
// point 0, and then every point gains min(20, sum of 200 / distance^2 to the sources).
void StepIsoField(const float* previous, float* newest, const IsoSource* sources, int sourceCount);
// blended = previous b + newest (1 - b), point by point.
void BlendIsoFields(const float* previous, const float* newest, float b, float* blended);
