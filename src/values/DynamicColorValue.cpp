#include "values/DynamicColorValue.h"

#include "values/FloatValue.h"

void NDynamicColorValue::Members(MemberTable<NDynamicColorValue>& m) {
    m.Add<&NDynamicColorValue::r>("r");
    m.Add<&NDynamicColorValue::g>("g");
    m.Add<&NDynamicColorValue::b>("b");
    m.Add<&NDynamicColorValue::a>("a");
}
