#include "render/ShaderProgram.h"

#include "base/Con.h"
#include "render/Extensions.h"

namespace {

bool ShaderObjectsAvailable() {
    return Ext.glCreateProgramObjectARB && Ext.glCreateShaderObjectARB && Ext.glShaderSourceARB &&
           Ext.glCompileShaderARB && Ext.glAttachObjectARB && Ext.glLinkProgramARB &&
           Ext.glGetInfoLogARB;
}

GLhandleARB CompiledShader(GLenum kind, const char* source, int length) {
    const GLhandleARB shader = Ext.glCreateShaderObjectARB(kind);
    const GLcharARB* text = source;
    const GLint textLength = length;
    Ext.glShaderSourceARB(shader, 1, &text, &textLength);
    Ext.glCompileShaderARB(shader);
    return shader;
}

// Appends the information log of `object` to `log`, which holds `length` characters
// and room for kProgramLogCapacity.
void AppendInfoLog(GLhandleARB object, GLcharARB* log, int& length) {
    GLsizei added = 0;
    Ext.glGetInfoLogARB(object, kProgramLogCapacity + 1 - length, &added, log + length);
    length += added > 0 ? added : 0;
    log[length] = '\0';
}

}  // namespace

GLhandleARB BuildProgram(const char* vertexSource, int vertexLength, const char* fragmentSource,
                         int fragmentLength) {
    if (!ShaderObjectsAvailable()) {
        Con.Error("BuildProgram: the driver offers no shader objects");
        return 0;
    }
    const GLhandleARB program = Ext.glCreateProgramObjectARB();
    const GLhandleARB vertex = CompiledShader(GL_VERTEX_SHADER_ARB, vertexSource, vertexLength);
    const GLhandleARB fragment =
        CompiledShader(GL_FRAGMENT_SHADER_ARB, fragmentSource, fragmentLength);
    Ext.glAttachObjectARB(program, vertex);
    Ext.glAttachObjectARB(program, fragment);
    Ext.glLinkProgramARB(program);

    // Some drivers put the compilers' messages into the program's log and others only
    // say that a shader failed, so the results are the shaders' logs and then the
    // program's.
    GLcharARB log[kProgramLogCapacity + 1];
    int length = 0;
    AppendInfoLog(vertex, log, length);
    AppendInfoLog(fragment, log, length);
    AppendInfoLog(program, log, length);
    if (length > 0) {
        // In three parts: the log drops any single message longer than its scratch
        // area, and a full build log with its heading would be one.
        Con.CountNotice();
        Con.NoticeText("\nShader Compilation Results:\n");
        Con.NoticeText("%s", log);
        Con.NoticeText("\n\n");
    }
    // Marked now, the shaders go when the program goes.
    if (Ext.glDeleteObjectARB) {
        Ext.glDeleteObjectARB(vertex);
        Ext.glDeleteObjectARB(fragment);
    }
    return program;
}

void UseProgram(GLhandleARB program) {
    if (Ext.glUseProgramObjectARB) {
        Ext.glUseProgramObjectARB(program);
    }
}

void DeleteProgram(GLhandleARB program) {
    if (program && Ext.glDeleteObjectARB) {
        Ext.glDeleteObjectARB(program);
    }
}
