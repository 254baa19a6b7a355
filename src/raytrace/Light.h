#pragma once

#include "reflect/MemberTable.h"
#include "scene/TransformNodeContent.h"

class NFloatValue;

class NLight : public NTransformNodeContent {
  public:
    NClass* Create() override { return new NLight; }
    static void Members(MemberTable<NLight>& m);

    NFloatValue* Ambient = nullptr;
    NFloatValue* Intensity = nullptr;
};
