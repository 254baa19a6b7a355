#pragma once

#include "object/MemberTable.h"
#include "values/ColorValue.h"

class NFloatValue;

class NDynamicColorValue : public NColorValue {
  public:
    NClass* Create() override { return new NDynamicColorValue; }
    static void Members(MemberTable<NDynamicColorValue>& m);

    NFloatValue* r = nullptr;
    NFloatValue* g = nullptr;
    NFloatValue* b = nullptr;
    NFloatValue* a = nullptr;
};
