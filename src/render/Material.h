#pragma once

#include "object/Class.h"
#include "object/MemberTable.h"

class NShader;

class NMaterial : public NClass {
  public:
    NClass* Create() override { return new NMaterial; }
    static void Members(MemberTable<NMaterial>& m);

    NShader* Shader = nullptr;
};
