// A colour that follows its keys linearly.
#pragma once

#include "values/ColorValue.h"
#include "values/KeyValue.h"
#include "values/KeyedValue.h"

class NLinColorValue : public KeyedValue<NColorValue, NLinValue> {
  public:
    NClass* Create() override { return new NLinColorValue; }
};
