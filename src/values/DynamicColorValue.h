// A colour whose four channels are float value objects. The members carry the
// names of the colour's own fields: in documents they name the four objects,
// while the inherited fields hold the result for the owners.
#pragma once

#include "reflect/MemberTable.h"
#include "values/ColorValue.h"
#include "values/DynamicValue.h"

class NFloatValue;

class NDynamicColorValue : public NColorValue {
  public:
    NClass* Create() override { return new NDynamicColorValue; }
    static void Members(MemberTable<NDynamicColorValue>& m);
    // Passes Init on, so that keyed channels can be evaluated.
    void Init() override;
    // A missing channel object leaves that channel as it is.
    void Update() override;

    NFloatValue* r = nullptr;
    NFloatValue* g = nullptr;
    NFloatValue* b = nullptr;
    NFloatValue* a = nullptr;

  private:
    DynamicValueGuard guard;
};
