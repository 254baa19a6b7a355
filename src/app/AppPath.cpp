#include "app/AppPath.h"

#include <cstring>

namespace {

std::string executablePath;
// Computed on first use and kept for the life of the process; a new path splits again.
std::string* appDirectory = nullptr;
std::string* appName = nullptr;

void SplitOnce() {
    if (appDirectory) {
        return;
    }
    appDirectory = new std::string;
    appName = new std::string;
    SplitAppPath(executablePath.c_str(), appDirectory, appName);
}

}  // namespace

void SetExecutablePath(const char* path) {
    executablePath = path ? path : "";
    // A tool or a test that names another production has it split anew.
    delete appDirectory;
    delete appName;
    appDirectory = nullptr;
    appName = nullptr;
}

void SplitAppPath(const char* path, std::string* directory, std::string* name) {
    const char* slash = strrchr(path, '/');
    const char* base = slash ? slash + 1 : path;
    directory->assign(path, base - path);
    name->assign(base, strcspn(base, "."));
}

const char* GetAppDirectory() {
    SplitOnce();
    return appDirectory->c_str();
}

const char* GetAppName() {
    SplitOnce();
    return appName->c_str();
}

std::string MakeAppPath(const char* name) {
    std::string rest = name ? name : "";
    if (!rest.empty() && rest.front() == '"') {
        rest.erase(0, 1);
    }
    if (!rest.empty() && rest.back() == '"') {
        rest.pop_back();
    }
    return GetAppDirectory() + rest;
}
