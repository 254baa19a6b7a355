#include "TestSupport.h"

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

int RunPlayer(const std::string& dir, const std::string& name, const std::string& arguments,
              std::string* output) {
    const std::string player = dir + "/" + name;
    fs::copy_file(NIMBUS_PLAYER_PATH, player, fs::copy_options::overwrite_existing);
    const std::string command =
        "cd '" + dir + "' && SDL_AUDIODRIVER=dummy ./" + name + " " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    std::string text;
    char chunk[4096];
    while (size_t got = fread(chunk, 1, sizeof chunk, pipe)) {
        text.append(chunk, got);
    }
    const int status = pclose(pipe);
    if (output) {
        *output = text;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string TestDataPath(const std::string& relative) {
    return std::string(NIMBUS_TESTDATA_DIR) + "/" + relative;
}

std::string CorpusPath(const std::string& relative) {
    return std::string(NIMBUS_FUZZ_CORPUS_DIR) + "/" + relative;
}

}  // namespace test
