#include "check/ShaderCheck.h"

#include <glslang/Public/ResourceLimits.h>
#include <glslang/Public/ShaderLang.h>

#include <cctype>
#include <cstdlib>
#include <sstream>

namespace {

// What a source without a #version line is taken for.
constexpr int kDefaultVersion = 110;

const char kErrorPrefix[] = "ERROR: ";
const char kWarningPrefix[] = "WARNING: ";

bool StartsWith(const std::string& text, const char* prefix) {
    return text.rfind(prefix, 0) == 0;
}

// Reads "S:L: " at the start of `text` (source string S, line L) and returns the
// line, with `text` cut behind it; -1, with `text` untouched, when it is not there.
int TakeLocation(std::string* text) {
    const char* start = text->c_str();
    char* end = nullptr;
    strtol(start, &end, 10);
    if (end == start || *end != ':') {
        return -1;
    }
    const char* lineStart = end + 1;
    const long line = strtol(lineStart, &end, 10);
    if (end == lineStart || end[0] != ':' || end[1] != ' ') {
        return -1;
    }
    text->erase(0, static_cast<size_t>(end + 2 - start));
    return static_cast<int>(line);
}

void TrimRight(std::string* text) {
    while (!text->empty() && isspace(static_cast<unsigned char>(text->back()))) {
        text->pop_back();
    }
}

// Summary lines repeat what the problems above them said.
bool SaysNothingNew(const std::string& text) {
    return text.find("compilation terminated") != std::string::npos ||
           text.find("compilation errors") != std::string::npos;
}

bool Compile(glslang::TShader& shader, const ShaderSource& source,
             std::vector<ShaderProblem>* problems) {
    const char* text = source.text.c_str();
    const int length = static_cast<int>(source.text.size());
    shader.setStringsWithLengths(&text, &length, 1);
    const bool compiled = shader.parse(GetDefaultResources(), kDefaultVersion, ENoProfile, false,
                                       false, EShMsgDefault);
    for (ShaderProblem& problem : ReadCompilerLog(shader.getInfoLog(), source.name)) {
        problems->push_back(std::move(problem));
    }
    return compiled;
}

}  // namespace

std::vector<ShaderProblem> ReadCompilerLog(const std::string& log, const std::string& file) {
    std::vector<ShaderProblem> problems;
    std::istringstream lines(log);
    std::string line;
    while (std::getline(lines, line)) {
        const bool warning = StartsWith(line, kWarningPrefix);
        if (!warning && !StartsWith(line, kErrorPrefix)) {
            continue;
        }
        ShaderProblem problem;
        problem.warning = warning;
        problem.text = line.substr(warning ? sizeof kWarningPrefix - 1 : sizeof kErrorPrefix - 1);
        TrimRight(&problem.text);
        const int at = TakeLocation(&problem.text);
        problem.line = at > 0 ? at : 0;
        problem.file = file;
        if (!SaysNothingNew(problem.text)) {
            problems.push_back(std::move(problem));
        }
    }
    return problems;
}

std::vector<ShaderProblem> CompileShaderPair(const ShaderSource& vertex,
                                             const ShaderSource& fragment) {
    std::vector<ShaderProblem> problems;
    glslang::InitializeProcess();
    {
        // Declared last, the program goes first: it refers to the shaders.
        glslang::TShader vertexShader(EShLangVertex);
        glslang::TShader fragmentShader(EShLangFragment);
        glslang::TProgram program;
        const bool vertexCompiled = Compile(vertexShader, vertex, &problems);
        const bool fragmentCompiled = Compile(fragmentShader, fragment, &problems);
        if (vertexCompiled && fragmentCompiled) {
            program.addShader(&vertexShader);
            program.addShader(&fragmentShader);
            program.link(EShMsgDefault);
            for (ShaderProblem& problem : ReadCompilerLog(program.getInfoLog(), "")) {
                problems.push_back(std::move(problem));
            }
        }
    }
    glslang::FinalizeProcess();
    return problems;
}
