// A colour value object: channels normally 0..1. Without a text or member
// elements it starts as opaque black, as "#000000" would read.
#pragma once

#include "reflect/Class.h"
#include "reflect/MemberTable.h"

class NColorValue : public NClass {
  public:
    NClass* Create() override { return new NColorValue; }
    static void Members(MemberTable<NColorValue>& m);

    float r = 0;
    float g = 0;
    float b = 0;
    float a = 1;

    // The fields in order, as keys and motion paths fill them.
    static constexpr float NColorValue::*kFields[] = {&NColorValue::r, &NColorValue::g,
                                                      &NColorValue::b, &NColorValue::a};
};
