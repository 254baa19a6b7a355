// A GLSL program built from a vertex and a fragment source file of the data store.
#pragma once

#include <cstdlib>

#include "reflect/Class.h"
#include "reflect/MemberTable.h"
#include "render/Renderer.h"

class NData;

class NShader : public NClass {
  public:
    NShader() = default;
    NShader(const NShader&) = delete;
    NShader& operator=(const NShader&) = delete;
    // Frees the program while the renderer can still take it.
    ~NShader() override {
        ReleaseProgram();
        free(VertexShaderFilename);
        free(FragmentShaderFilename);
    }
    NClass* Create() override { return new NShader; }
    // Loads both sources through the default input and builds the program, once:
    // materials sharing the shader all call it. While the renderer is not ready
    // nothing happens, and a later Init builds; the renderer that draws nothing loads
    // the sources and builds no program.
    void Init() override;
    // Makes the program current; fixed function while none was built.
    virtual void Render();
    static void Members(MemberTable<NShader>& m);

    ProgramHandle Program() const { return program; }
    // Frees the program and lets the next Init build again, from the sources as they
    // are then: for a shader that outlives the production that built it, when a tool
    // loads another. Once the renderer is gone (the context closed), so is the program.
    void ReleaseProgram();

    // Loads one source file whole as Init does, refusing a source above
    // kMaxShaderBytes (base/Budgets.h) with a counted error before it is read: the
    // driver's compiler is not to be trusted with more. The byte count, or -1.
    static int LoadSource(NData& stream, const char* name, unsigned char** text);

    char* VertexShaderFilename = nullptr;
    char* FragmentShaderFilename = nullptr;

  private:
    ProgramHandle program = 0;
    // Set by the first Init that had a context, whether or not its sources loaded, so
    // that a shader shared by many materials reports its problems once.
    bool buildTried = false;
};

// Filled and used by the built-in test scene.
extern NShader& DefaultShader;
