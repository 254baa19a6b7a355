#pragma once

#include <cstdlib>

#include "object/Class.h"
#include "object/MemberTable.h"

class NShader : public NClass {
  public:
    ~NShader() override {
        free(VertexShaderFilename);
        free(FragmentShaderFilename);
    }
    NClass* Create() override { return new NShader; }
    static void Members(MemberTable<NShader>& m);

    char* VertexShaderFilename = nullptr;
    char* FragmentShaderFilename = nullptr;
};
