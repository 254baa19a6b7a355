// Helpers for the tests that open a real window: the project's test command runs them
// under Xvfb with Mesa's software renderer, and they skip only where no display exists.
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "app/Con.h"

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

// Sets (or with null, removes) an environment variable for the life of the object.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value) : name(name) {
        if (const char* old = std::getenv(name)) {
            previous = old;
        }
        if (value) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
    ~ScopedEnv() {
        if (previous) {
            setenv(name.c_str(), previous->c_str(), 1);
        } else {
            unsetenv(name.c_str());
        }
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    std::string name;
    std::optional<std::string> previous;
};

// The test's own hold on SDL video, so that cursor and screen-saver state can be set
// before a surface opens and read after it is gone. The screen saver is left as the
// desktop has it.
class VideoReference {
  public:
    VideoReference() {
        SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
        started = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
    }
    ~VideoReference() {
        if (started) {
            SDL_QuitSubSystem(SDL_INIT_VIDEO);
        }
    }
    VideoReference(const VideoReference&) = delete;
    VideoReference& operator=(const VideoReference&) = delete;
    bool Started() const { return started; }

  private:
    bool started = false;
};

inline std::string LogText() {
    return Con.BufferText() ? Con.BufferText() : "";
}

}  // namespace test
