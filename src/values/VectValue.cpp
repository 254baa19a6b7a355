#include "values/VectValue.h"

void NVectValue::Members(MemberTable<NVectValue>& m) {
    m.Add<&NVectValue::x>("x");
    m.Add<&NVectValue::y>("y");
    m.Add<&NVectValue::z>("z");
}
