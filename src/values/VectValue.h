// The plain vector value object, a vector or a point; derived kinds recompute
// x, y and z in Update.
#pragma once

#include "reflect/Class.h"
#include "reflect/MemberTable.h"

class NVectValue : public NClass {
  public:
    NClass* Create() override { return new NVectValue; }
    static void Members(MemberTable<NVectValue>& m);

    float x = 0;
    float y = 0;
    float z = 0;

    // The fields in order, as keys and motion paths fill them.
    static constexpr float NVectValue::*kFields[] = {&NVectValue::x, &NVectValue::y,
                                                     &NVectValue::z};
};
