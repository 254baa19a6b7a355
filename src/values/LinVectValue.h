// A vector that follows its keys linearly.
#pragma once

#include "values/KeyValue.h"
#include "values/KeyedValue.h"
#include "values/VectValue.h"

class NLinVectValue : public KeyedValue<NVectValue, NLinValue> {
  public:
    NClass* Create() override { return new NLinVectValue; }
};
