#include "values/LinColorValue.h"

void NLinColorValue::Update() {
    if (!keys.Evaluate()) {
        return;
    }
    const float* output = keys.Output();
    r = output[0];
    g = output[1];
    b = output[2];
    a = output[3];
}
