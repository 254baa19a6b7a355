#include "values/DynamicColorValue.h"

#include "values/FloatValue.h"

namespace {

const char kSource[] = "NDynamicColorValue";

void CopyChannel(const NFloatValue* from, float& channel) {
    if (from) {
        channel = from->f;
    }
}

}  // namespace

void NDynamicColorValue::Members(MemberTable<NDynamicColorValue>& m) {
    m.Add<&NDynamicColorValue::r>("r");
    m.Add<&NDynamicColorValue::g>("g");
    m.Add<&NDynamicColorValue::b>("b");
    m.Add<&NDynamicColorValue::a>("a");
}

void NDynamicColorValue::Init() {
    if (!guard.BeginInit(kSource)) {
        return;
    }
    InitMember(r, kSource, "r");
    InitMember(g, kSource, "g");
    InitMember(b, kSource, "b");
    InitMember(a, kSource, "a");
    guard.EndInit();
}

void NDynamicColorValue::Update() {
    if (!guard.BeginUpdate()) {
        return;
    }
    UpdateMember(r);
    UpdateMember(g);
    UpdateMember(b);
    UpdateMember(a);
    CopyChannel(r, NColorValue::r);
    CopyChannel(g, NColorValue::g);
    CopyChannel(b, NColorValue::b);
    CopyChannel(a, NColorValue::a);
    guard.EndUpdate();
}
