// GLSL programs built from a vertex and a fragment source through the ARB
// shader-object entry points of render/Extensions.h.
#pragma once

#include <GL/gl.h>
#include <GL/glext.h>

// The most characters of build messages printed for one program.
constexpr int kProgramLogCapacity = 1000;

// Compiles both sources (texts of the given byte counts, needing no terminating
// zero), links them and returns the program. Build status is not checked: whatever
// the compilers and the linker had to say is printed as "Shader Compilation Results",
// and the program is used as it came out. Returns 0, with an error, when the driver
// offers no shader objects.
GLhandleARB BuildProgram(const char* vertexSource, int vertexLength, const char* fragmentSource,
                         int fragmentLength);

// Makes `program` current; 0 returns to fixed function.
void UseProgram(GLhandleARB program);
// Frees `program` and the two shaders built into it; 0 is none.
void DeleteProgram(GLhandleARB program);
