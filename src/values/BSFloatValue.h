// A float that follows its keys on a Catmull-Rom spline.
#pragma once

#include "values/FloatValue.h"
#include "values/KeyValue.h"
#include "values/KeyedValue.h"

class NBSFloatValue : public KeyedValue<NFloatValue, NBSValue> {
  public:
    NClass* Create() override { return new NBSFloatValue; }
};
