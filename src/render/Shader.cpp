#include "render/Shader.h"

#include <memory>

#include "base/Budgets.h"
#include "base/Con.h"
#include "io/Data.h"

namespace {

// The whole text of a source file; no text when it could not be loaded.
struct SourceFile {
    std::unique_ptr<unsigned char[]> text;
    int length = 0;
};

// A missing file is reported by the storage layer with its not-found line.
SourceFile LoadSourceFile(NData& stream, const char* name, const char* member) {
    SourceFile source;
    if (!name) {
        Con.ErrorFrom("NShader", "missing %s", member);
        return source;
    }
    unsigned char* buffer = nullptr;
    const int length = NShader::LoadSource(stream, name, &buffer);
    source.text.reset(buffer);
    if (length < 0) {
        source.text.reset();
    }
    source.length = source.text ? length : 0;
    return source;
}

}  // namespace

int NShader::LoadSource(NData& stream, const char* name, unsigned char** text) {
    return stream.LoadWithin(name, text, kMaxShaderBytes, "shader source", "NShader");
}

void NShader::Members(MemberTable<NShader>& m) {
    m.Add<&NShader::VertexShaderFilename>("VertexShaderFilename");
    m.Add<&NShader::FragmentShaderFilename>("FragmentShaderFilename");
}

void NShader::Init() {
    Renderer& renderer = CurrentRenderer();
    if (buildTried || !renderer.Ready()) {
        return;
    }
    buildTried = true;
    NData stream(NData::kInput);
    if (!stream.Backend()) {
        Con.ErrorFrom("NShader", "missing DefaultIn");
        return;
    }
    const SourceFile vertex = LoadSourceFile(stream, VertexShaderFilename, "VertexShaderFilename");
    const SourceFile fragment =
        LoadSourceFile(stream, FragmentShaderFilename, "FragmentShaderFilename");
    // A stage without its source would only add the compiler's complaint about an
    // empty shader to the storage layer's message.
    if (!vertex.text || !fragment.text) {
        return;
    }
    program =
        renderer.BuildProgram(reinterpret_cast<const char*>(vertex.text.get()), vertex.length,
                              reinterpret_cast<const char*>(fragment.text.get()), fragment.length);
}

void NShader::ReleaseProgram() {
    Renderer& renderer = CurrentRenderer();
    if (program && renderer.Ready()) {
        renderer.DeleteProgram(program);
    }
    program = 0;
    buildTried = false;
}

void NShader::Render() {
    CurrentRenderer().UseProgram(program);
}
