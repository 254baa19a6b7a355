#include "values/BSFloatValue.h"

void NBSFloatValue::Update() {
    if (!keys.Evaluate()) {
        return;
    }
    const float* output = keys.Output();
    f = output[0];
}
