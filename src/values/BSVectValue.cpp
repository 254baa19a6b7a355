#include "values/BSVectValue.h"

void NBSVectValue::Update() {
    if (!keys.Evaluate()) {
        return;
    }
    const float* output = keys.Output();
    x = output[0];
    y = output[1];
    z = output[2];
}
