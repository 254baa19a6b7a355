// The harness of the end-to-end tests: a private X server per run, so that the real
// player's full-screen window never covers what another test reads off its screen
// and runs can go on side by side; productions written into folders, and the player
// and the capture tool run on them.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "TestSupport.h"

namespace playtest {

// An Xvfb server of its own; its one screen is `screen` ("WIDTHxHEIGHTxDEPTH"), by
// default offering the 640 x 480, 32-bit mode.
class XServer {
  public:
    explicit XServer(const std::string& screen = "640x480x24");
    ~XServer();
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;
    // ":N", or empty when the server did not start.
    const std::string& Display() const { return display; }

  private:
    pid_t pid = -1;
    std::string display;
};

// A window manager (openbox) on `x`, ready once constructed; Running() is false when
// none is installed or it did not take over the screen.
class WindowManager {
  public:
    explicit WindowManager(const XServer& x);
    ~WindowManager();
    WindowManager(const WindowManager&) = delete;
    WindowManager& operator=(const WindowManager&) = delete;
    bool Running() const { return running; }

  private:
    pid_t pid = -1;
    bool running = false;
};

// What the player and the capture tool run with on `x`: its display, SDL's dummy
// audio and Mesa's software renderer, then `more` ("NAME=value"), which wins.
std::vector<std::string> Environment(const XServer& x, const std::vector<std::string>& more = {});

// What a finished program cost: the most memory it held resident, and the time from
// its start to its end.
struct Cost {
    long peakKiB = 0;
    double seconds = 0;
};

// A running program; its standard output and error are collected at Wait.
class Program {
  public:
    // Runs `command` (a shell command line) in `dir` with `environment` added
    // ("NAME=value" entries).
    Program(const std::string& dir, const std::string& command,
            const std::vector<std::string>& environment);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    // The exit code, or -1 when it did not exit normally; its output goes to `output`
    // and what it cost to `cost`.
    int Wait(std::string* output = nullptr, Cost* cost = nullptr);
    // Sends SIGINT, as Ctrl+C in a terminal does.
    void Interrupt();
    // True once the program has exited; it is still left for Wait to collect.
    bool Exited() const;

  private:
    pid_t pid = -1;
    int outputFd = -1;
    std::chrono::steady_clock::time_point started = std::chrono::steady_clock::now();
};

// Copies the player into `dir` as `show` and runs it there with `arguments` on an X
// server of its own; the exit code, with its standard output and error in `output`.
int RunPlayer(const std::string& dir, const std::string& arguments, std::string* output = nullptr);

// A folder holding a production `show`: the document in data/show.xml and whatever
// files the test adds beside it, played by a copy of the player or by the capture
// tool on a private X server with SDL's dummy audio unless a test asks for another.
class Production {
  public:
    explicit Production(const std::string& document);
    std::string operator/(const std::string& name) const { return dir / name; }
    const std::string& Path() const { return dir.Path(); }
    // Copies a file into the production's data folder.
    void Add(const std::string& name, const std::string& sourcePath) const;
    void AddText(const std::string& name, const std::string& content) const;

    // Starts the player with the log argument; `environment` overrides the defaults.
    Program* Start(const XServer& x, const std::vector<std::string>& environment = {}) const;
    // Starts the player with the log argument where there is no display at all.
    Program* StartWithoutDisplay() const;
    // Plays to the end; the exit code, with the log file's text in `log` and what the
    // player cost in `cost`.
    int Play(std::string* log, const std::vector<std::string>& environment = {},
             Cost* cost = nullptr) const;
    // Runs the capture tool with `arguments` before the production's path; frames go
    // to the folder "frames". The exit code, with its standard output in `output`.
    int Capture(const std::string& arguments, std::string* output, Cost* cost = nullptr) const;
    // Runs the capture tool as Capture does, where there is no display at all.
    int CaptureWithoutDisplay(const std::string& arguments, std::string* output,
                              Cost* cost = nullptr) const;
    // Runs the check tool on the production, where there is no display at all.
    int Check(std::string* output, Cost* cost = nullptr) const;
    std::string Log() const { return test::ReadFile(dir / "nimbus.log"); }

  private:
    test::TempDir dir;
};

// Pixels of a PNG file written by the capture tool, three bytes a pixel from the top
// row down; empty when it cannot be read.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;
    // 0xRRGGBB at (x, y).
    unsigned long At(int x, int y) const;
};
Picture ReadPng(const std::string& path);

// True when every channel of `a` is within `tolerance` of `b` (both 0xRRGGBB).
bool Near(unsigned long a, unsigned long b, int tolerance = 3);

// Waits (about a minute at most) until `file` holds `text`.
bool WaitForText(const std::string& file, const std::string& text);
// Waits until a window named "Nimbus" is mapped on `display`, then sends it the key
// presses and releases of `keys`: X key symbol names ("t", "Escape", "space"); a name
// starting with '+' is a press alone, with '-' a release alone.
bool SendKeys(const std::string& display, const std::vector<std::string>& keys);
// Waits for the window as SendKeys does, then asks it to close as a window manager
// would (WM_DELETE_WINDOW).
bool CloseWindow(const std::string& display);

// Runs `ask` (say, closing the window) and repeats it every ten seconds until
// `program` exits: a request that reaches a window still being set up can be lost.
// False when the program has not exited after about two minutes.
bool AskUntilExit(const Program& program, const std::function<void()>& ask);

// A point of the screen and the colour (0xRRGGBB) it should show.
struct ScreenPoint {
    int x;
    int y;
    unsigned long rgb;
};
// Waits (about a minute at most) until every point of `display`'s screen shows its
// colour; false when they never all do, with what they showed last in `seen`.
bool AwaitScreen(const std::string& display, const std::vector<ScreenPoint>& points,
                 std::string* seen);

// How often `part` occurs in `text`.
int Occurrences(const std::string& text, const std::string& part);

}  // namespace playtest
