#include "cli/ProductionArguments.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace {

// The longest show a tool can address.
constexpr double kLatestSeconds = 24.0 * 3600.0;

}  // namespace

bool ReadMilliseconds(const char* text, long* milliseconds) {
    char* end = nullptr;
    errno = 0;
    const double seconds = strtod(text, &end);
    if (end == text || *end != '\0' || errno != 0 || !std::isfinite(seconds) ||
        std::fabs(seconds) > kLatestSeconds) {
        return false;
    }
    *milliseconds = std::lround(seconds * 1000.0);
    return true;
}

bool TakeProductionPath(const std::string& argument, std::string* path, std::string* error) {
    if (argument.rfind("--", 0) == 0) {
        *error = "unknown option " + argument;
        return false;
    }
    if (!path->empty()) {
        *error = "one production only, not " + *path + " and " + argument;
        return false;
    }
    *path = argument;
    return true;
}

bool NamedProduction(const std::string& path, std::string* error) {
    if (path.empty()) {
        *error = "no production named";
        return false;
    }
    return true;
}
