#include "base/NumberText.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

const char* SkipBlanks(const char* text) {
    while (*text && isspace(static_cast<unsigned char>(*text))) {
        ++text;
    }
    return text;
}

// One number at `text`: its value as the readers store it, and where it ends; false
// when no number starts there. `problem` gets what makes it differ from its text.
bool ReadOne(const char* text, NumberKind kind, std::string* shown, const char** end,
             std::string* problem) {
    char* stop = nullptr;
    char value[48];
    if (kind == NumberKind::kInt) {
        errno = 0;
        const long long number = strtoll(text, &stop, 10);
        if (stop == text) {
            return false;
        }
        if (errno == ERANGE || number < INT32_MIN || number > INT32_MAX) {
            *problem = "is out of range for an int";
        }
        char* fractionEnd = nullptr;
        strtod(text, &fractionEnd);
        if (problem->empty() && fractionEnd > stop) {
            snprintf(value, sizeof value, "%lld", number);
            *problem = std::string("is read as the int ") + value;
        }
        snprintf(value, sizeof value, "%lld", number);
    } else {
        errno = 0;
        const float number = strtof(text, &stop);
        if (stop == text) {
            return false;
        }
        if (errno == ERANGE && std::isinf(number)) {
            *problem = "is out of range for a float";
        }
        snprintf(value, sizeof value, "%g", number);
    }
    *shown += (shown->empty() ? "" : " ") + std::string(value);
    *end = stop;
    return true;
}

}  // namespace

std::string NumberTextProblem(const char* text, NumberKind kind, int most) {
    if (!text) {
        return {};
    }
    std::string shown;
    std::string problem;
    const char* at = SkipBlanks(text);
    for (int i = 0; i < most && problem.empty(); ++i) {
        const char* end = nullptr;
        if (!ReadOne(at, kind, &shown, &end, &problem)) {
            break;
        }
        at = SkipBlanks(end);
    }
    if (shown.empty()) {
        return {};
    }
    if (problem.empty() && *at) {
        problem = "is read as " + shown + "; what follows the number is ignored";
    }
    return problem.empty() ? problem : "number text [" + std::string(text) + "] " + problem;
}
