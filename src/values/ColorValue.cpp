#include "values/ColorValue.h"

void NColorValue::Members(MemberTable<NColorValue>& m) {
    m.Add<&NColorValue::r>("r");
    m.Add<&NColorValue::g>("g");
    m.Add<&NColorValue::b>("b");
    m.Add<&NColorValue::a>("a");
}
