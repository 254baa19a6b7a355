// Helpers shared by the tests: temporary folders, files, the test data and the log.
#pragma once

#include <string>

namespace test {

// A fresh folder below the system's temporary folder, removed with its contents
// when the object goes.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& Path() const { return path; }
    std::string operator/(const std::string& name) const { return path + "/" + name; }

  private:
    std::string path;
};

// Writes `content` to `path`, creating missing folders.
void WriteFile(const std::string& path, const std::string& content);
std::string ReadFile(const std::string& path);
bool FileExists(const std::string& path);

// Makes the current folder `dir` for the life of the object.
class ChangeDir {
  public:
    explicit ChangeDir(const std::string& dir);
    ~ChangeDir();

  private:
    std::string previous;
};

// A file of the test data in tests/data/.
std::string TestDataPath(const std::string& relative);
// A file of the fuzz targets' seed corpus ("zip/regression-declares-2gib.dat"): the
// regression inputs are tested here as well as fuzzed.
std::string CorpusPath(const std::string& relative);

// What the log buffer holds; empty when it is off.
std::string LogText();

// Puts the process-wide state (the log, the registry, the frame state, the default
// streams and the other objects every layer shares) back as a fresh process has it,
// with the class table registered. The test program calls it before every test, so
// that tests run in one process, in any order.
void ResetProcessState();

}  // namespace test
