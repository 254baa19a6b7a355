#include "TestSupport.h"

#include "app/ClassTable.h"
#include "base/Con.h"
#include "base/FrameStats.h"
#include "base/FrameTime.h"
#include "base/Ticks.h"
#include "io/Data.h"
#include "io/Text.h"
#include "reflect/Registry.h"
#include "render/Renderer.h"
#include "render/VertexPool.h"
#include "scene/Scene.h"
#include "sound/CurrentSound.h"
#include "window/KeyTimer.h"
#include "window/Surface.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace test {

TempDir::TempDir() {
    std::string pattern = (fs::temp_directory_path() / "nimbus-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        throw std::runtime_error("mkdtemp failed");
    }
    path = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    fs::remove_all(path, ignored);
}

void WriteFile(const std::string& path, const std::string& content) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream out(path, std::ios::binary);
    out << content;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

bool FileExists(const std::string& path) {
    return fs::exists(path);
}

ChangeDir::ChangeDir(const std::string& dir) : previous(fs::current_path().string()) {
    fs::current_path(dir);
}

ChangeDir::~ChangeDir() {
    fs::current_path(previous);
}

std::string LogText() {
    return Con.BufferText() ? Con.BufferText() : "";
}

namespace {

// The log as the process-wide object is constructed: every output off, the
// default buffer size, nothing counted.
void ResetLog() {
    Con.EndFoldingRepeats();
    Con.SetProblemStream(nullptr);
    Con.SetCountNotices(false);
    Con.SetPlace(nullptr, 0);
    Con.SetEcho(false);
    Con.AttachFile(false);
    Con.SetFileName("nimbus.log");
    Con.EnableBuffer(false);
    Con.SetBufferSize(32000);
    Con.ResetErrorCount();
}

// The class table stays registered; classes a test registered for itself go.
void ResetRegistry() {
    static const int tableClasses = [] {
        NClassRegistration();
        return ClassCount();
    }();
    UnregisterClassesFrom(tableClasses);
}

void ResetFrameState() {
    CurrentTime = 0;
    FrameNumber = 0;
    PartFade = 1;
    TheFrameStats = FrameStats{};
    SetTickSource(nullptr);
    CurrentScene = nullptr;
    RenderPass = 1;
    CurrentVertexPool = nullptr;
    CurrentSurface = nullptr;
    QuitRequested = false;
    CurrentSound = nullptr;
    SelectRenderer(TheOpenGLRenderer());
}

}  // namespace

void ResetProcessState() {
    ResetLog();
    ResetRegistry();
    ResetFrameState();
    DefaultInput.Unmount();
    DefaultOutput.Unmount();
    NText::ForgetReportedError();
    ForgetKeyTimer();
}

std::string TestDataPath(const std::string& relative) {
    return std::string(NIMBUS_TESTDATA_DIR) + "/" + relative;
}

std::string CorpusPath(const std::string& relative) {
    return std::string(NIMBUS_FUZZ_CORPUS_DIR) + "/" + relative;
}

}  // namespace test
