// A vector that follows its keys on a Catmull-Rom spline.
#pragma once

#include "values/KeyValue.h"
#include "values/KeyedValue.h"
#include "values/VectValue.h"

class NBSVectValue : public KeyedValue<NVectValue, NBSValue> {
  public:
    NClass* Create() override { return new NBSVectValue; }
};
