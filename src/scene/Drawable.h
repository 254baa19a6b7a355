#pragma once

#include "object/MemberTable.h"
#include "scene/TransformNodeContent.h"

class NMaterial;

class NDrawable : public NTransformNodeContent {
  public:
    NClass* Create() override { return new NDrawable; }
    static void Members(MemberTable<NDrawable>& m);

    NMaterial* Material = nullptr;
};
