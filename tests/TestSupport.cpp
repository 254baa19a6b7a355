#include "TestSupport.h"

#include "base/Con.h"

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

std::string TestDataPath(const std::string& relative) {
    return std::string(NIMBUS_TESTDATA_DIR) + "/" + relative;
}

std::string CorpusPath(const std::string& relative) {
    return std::string(NIMBUS_FUZZ_CORPUS_DIR) + "/" + relative;
}

}  // namespace test
