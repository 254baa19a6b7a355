#include "render/Shader.h"

void NShader::Members(MemberTable<NShader>& m) {
    m.Add<&NShader::VertexShaderFilename>("VertexShaderFilename");
    m.Add<&NShader::FragmentShaderFilename>("FragmentShaderFilename");
}
