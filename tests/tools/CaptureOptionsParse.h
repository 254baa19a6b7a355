// Runs the capture tool's option parser on arguments as a command line gives them.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "capture/CaptureOptions.h"

namespace test {

// Parses `arguments` after the program's name.
inline bool ParseCapture(std::vector<std::string> arguments, CaptureOptions* options,
                         std::string* error) {
    std::vector<char*> argv = {const_cast<char*>("nimbus-capture")};
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    return ParseCaptureOptions(static_cast<int>(argv.size()), argv.data(), options, error);
}

// The error of arguments the parser must refuse.
inline std::string CaptureOptionsError(std::vector<std::string> arguments) {
    CaptureOptions options;
    std::string error;
    EXPECT_FALSE(ParseCapture(std::move(arguments), &options, &error));
    return error;
}

}  // namespace test
