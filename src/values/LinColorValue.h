// A value that follows its keys linearly; the keys come from the "Key"
// elements of its document element.
#pragma once

#include "reflect/MemberTable.h"
#include "values/ColorValue.h"
#include "values/KeyValue.h"

class NLinColorValue : public NColorValue {
  public:
    NClass* Create() override { return new NLinColorValue; }
    void Init() override { keys.Init(); }
    // Leaves the fields as they are while the keys cannot be evaluated.
    void Update() override;

    NLinValue keys{4};
};
