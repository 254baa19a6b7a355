// Helpers for the tests that open a real window. The project's test command runs
// them under Xvfb with Mesa's software renderer; they skip only without any display.
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "TestSupport.h"
#include "base/Con.h"

namespace test {

inline bool DisplayAvailable() {
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
}

#define SKIP_WITHOUT_DISPLAY()                                                  \
    if (!test::DisplayAvailable()) {                                            \
        GTEST_SKIP() << "no display; the project's test command provides Xvfb"; \
    }

}  // namespace test
