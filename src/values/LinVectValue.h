// A value that follows its keys linearly; the keys come from the "Key"
// elements of its document element.
#pragma once

#include "reflect/MemberTable.h"
#include "values/KeyValue.h"
#include "values/VectValue.h"

class NLinVectValue : public NVectValue {
  public:
    NClass* Create() override { return new NLinVectValue; }
    void Init() override { keys.Init(); }
    // Leaves the fields as they are while the keys cannot be evaluated.
    void Update() override;

    NLinValue keys{3};
};
