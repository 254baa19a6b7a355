// A model-view matrix handed to OpenGL by drawables; built on the stack, never
// named in documents.
#pragma once

#include "reflect/Class.h"

class NMatrixValue : public NClass {
  public:
    NClass* Create() override { return new NMatrixValue; }

    // OpenGL column order: translation at 12, 13, 14.
    float m[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
};
