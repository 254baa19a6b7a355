// Offline compilation of a shader's two GLSL sources with the reference compiler,
// so that their mistakes show without a driver or a window. A source without a
// #version line is read as GLSL 1.10, as the player's drivers read it.
#pragma once

#include <string>
#include <vector>

struct ShaderSource {
    // The file's name in the data store, for the messages.
    std::string name;
    std::string text;
};

struct ShaderProblem {
    bool warning = false;
    // Empty for a problem of the linked program, which belongs to neither file.
    std::string file;
    // 0 when the compiler names no line.
    int line = 0;
    std::string text;
};

// Compiles both stages and, when both compile, links them; the problems in the
// order the compiler found them.
std::vector<ShaderProblem> CompileShaderPair(const ShaderSource& vertex,
                                             const ShaderSource& fragment);

// Reads the compiler's log ("ERROR: 0:12: 'x' : undeclared identifier") as problems
// of `file`; the closing count ("2 compilation errors. ...") and the follow-on
// "compilation terminated" say nothing new and are left out.
std::vector<ShaderProblem> ReadCompilerLog(const std::string& log, const std::string& file);
