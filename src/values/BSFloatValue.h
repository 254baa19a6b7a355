// A value that follows its keys on a Catmull-Rom spline; the keys come from the "Key"
// elements of its document element.
#pragma once

#include "reflect/MemberTable.h"
#include "values/FloatValue.h"
#include "values/KeyValue.h"

class NBSFloatValue : public NFloatValue {
  public:
    NClass* Create() override { return new NBSFloatValue; }
    void Init() override { keys.Init(); }
    // Leaves the fields as they are while the keys cannot be evaluated.
    void Update() override;

    NBSValue keys{1};
};
