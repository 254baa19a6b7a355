#include "app/Part.h"

#include "scene/Scene.h"

void NPart::Members(MemberTable<NPart>& m) {
    m.Add<&NPart::Scene>("Scene");
    m.Add<&NPart::EndTime>("EndTime");
    m.Add<&NPart::Fadeup>("Fadeup");
    m.Add<&NPart::Fadedown>("Fadedown");
}
