#include "PlayHarness.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <png.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <thread>

namespace fs = std::filesystem;

namespace playtest {

namespace {

void Pause() {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
}

// About a minute of 20 ms pauses: long enough for a loaded machine, never a measure.
constexpr int kPatience = 3000;

// The first viewable window below `window` named "Nimbus".
Window FindNimbusWindow(Display* display, Window window) {
    char* name = nullptr;
    if (XFetchName(display, window, &name) && name) {
        const bool match = strcmp(name, "Nimbus") == 0;
        XFree(name);
        XWindowAttributes attributes;
        if (match && XGetWindowAttributes(display, window, &attributes) &&
            attributes.map_state == IsViewable) {
            return window;
        }
    }
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    Window found = 0;
    if (XQueryTree(display, window, &root, &parent, &children, &count)) {
        for (unsigned i = 0; i < count && !found; ++i) {
            found = FindNimbusWindow(display, children[i]);
        }
        if (children) {
            XFree(children);
        }
    }
    return found;
}

void SendKey(Display* display, Window window, KeyCode code, bool press, Time time) {
    XKeyEvent event = {};
    event.type = press ? KeyPress : KeyRelease;
    event.display = display;
    event.window = window;
    event.root = DefaultRootWindow(display);
    event.time = time;
    event.same_screen = True;
    event.keycode = code;
    XSendEvent(display, window, True, press ? KeyPressMask : KeyReleaseMask,
               reinterpret_cast<XEvent*>(&event));
    XFlush(display);
}

}  // namespace

XServer::XServer(const std::string& screen) {
    int fds[2];
    if (pipe(fds) != 0) {
        return;
    }
    pid = fork();
    if (pid == 0) {
        close(fds[0]);
        freopen("/dev/null", "w", stderr);
        const std::string fd = std::to_string(fds[1]);
        // No reset when a client leaves: one arriving meanwhile would be refused.
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(),
               "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    std::string number;
    char c;
    while (read(fds[0], &c, 1) == 1 && c != '\n') {
        number += c;
    }
    close(fds[0]);
    if (!number.empty()) {
        display = ":" + number;
    }
}

XServer::~XServer() {
    if (pid > 0) {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    }
}

namespace {

// True once a window manager has announced itself on the root window.
bool WindowManagerAnnounced(const std::string& displayName) {
    Display* display = XOpenDisplay(displayName.c_str());
    if (!display) {
        return false;
    }
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False, AnyPropertyType,
                       &type, &format, &count, &after, &data);
    if (data) {
        XFree(data);
    }
    XCloseDisplay(display);
    return count > 0;
}

}  // namespace

WindowManager::WindowManager(const XServer& x) {
    if (x.Display().empty()) {
        return;
    }
    pid = fork();
    if (pid == 0) {
        freopen("/dev/null", "w", stdout);
        freopen("/dev/null", "w", stderr);
        setenv("DISPLAY", x.Display().c_str(), 1);
        execlp("openbox", "openbox", static_cast<char*>(nullptr));
        _exit(127);
    }
    for (int i = 0; i < kPatience && pid > 0 && !running; ++i) {
        running = WindowManagerAnnounced(x.Display());
        if (!running) {
            if (waitpid(pid, nullptr, WNOHANG) == pid) {
                pid = -1;  // not installed, or it gave up
            } else {
                Pause();
            }
        }
    }
}

WindowManager::~WindowManager() {
    if (pid > 0) {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    }
}

// The shell execs the command, so the process waited for and interrupted is the
// program itself.
Program::Program(const std::string& dir, const std::string& command,
                 const std::vector<std::string>& environment) {
    int fds[2];
    if (pipe(fds) != 0) {
        return;
    }
    pid = fork();
    if (pid == 0) {
        close(fds[0]);
        dup2(fds[1], STDOUT_FILENO);
        dup2(fds[1], STDERR_FILENO);
        close(fds[1]);
        if (chdir(dir.c_str()) != 0) {
            _exit(127);
        }
        for (const std::string& entry : environment) {
            putenv(strdup(entry.c_str()));
        }
        execl("/bin/sh", "sh", "-c", ("exec " + command).c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    outputFd = fds[0];
}

Program::~Program() {
    Wait();
}

int Program::Wait(std::string* output, Cost* cost) {
    if (pid <= 0) {
        return -1;
    }
    std::string text;
    char chunk[4096];
    ssize_t got;
    while ((got = read(outputFd, chunk, sizeof chunk)) > 0) {
        text.append(chunk, static_cast<size_t>(got));
    }
    close(outputFd);
    int status = 0;
    rusage usage = {};
    wait4(pid, &status, 0, &usage);
    pid = -1;
    if (output) {
        *output = text;
    }
    if (cost) {
        cost->peakKiB = usage.ru_maxrss;
        cost->seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void Program::Interrupt() {
    if (pid > 0) {
        kill(pid, SIGINT);
    }
}

bool Program::Exited() const {
    if (pid <= 0) {
        return true;
    }
    siginfo_t info = {};
    return waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
           info.si_pid == pid;
}

bool AskUntilExit(const Program& program, const std::function<void()>& ask) {
    constexpr int kAskEvery = 500;  // pauses of 20 ms
    for (int i = 0; i < 2 * kPatience; ++i) {
        if (program.Exited()) {
            return true;
        }
        if (i % kAskEvery == 0) {
            ask();
        }
        Pause();
    }
    return false;
}

Production::Production(const std::string& document) {
    AddText("show.xml", document);
}

void Production::Add(const std::string& name, const std::string& sourcePath) const {
    fs::create_directories(fs::path(dir / ("data/" + name)).parent_path());
    fs::copy_file(sourcePath, dir / ("data/" + name), fs::copy_options::overwrite_existing);
}

void Production::AddText(const std::string& name, const std::string& content) const {
    test::WriteFile(dir / ("data/" + name), content);
}

std::vector<std::string> Environment(const XServer& x, const std::vector<std::string>& more) {
    std::vector<std::string> all = {"DISPLAY=" + x.Display(), "SDL_AUDIODRIVER=dummy",
                                    "LIBGL_ALWAYS_SOFTWARE=1"};
    all.insert(all.end(), more.begin(), more.end());
    return all;
}

int RunPlayer(const std::string& dir, const std::string& arguments, std::string* output) {
    fs::copy_file(NIMBUS_PLAYER_PATH, fs::path(dir) / "show", fs::copy_options::overwrite_existing);
    XServer x;
    Program player(dir, "./show " + arguments, Environment(x));
    return player.Wait(output);
}

Program* Production::Start(const XServer& x, const std::vector<std::string>& environment) const {
    fs::copy_file(NIMBUS_PLAYER_PATH, dir / "show", fs::copy_options::overwrite_existing);
    return new Program(dir.Path(), "./show log", Environment(x, environment));
}

Program* Production::StartWithoutDisplay() const {
    fs::copy_file(NIMBUS_PLAYER_PATH, dir / "show", fs::copy_options::overwrite_existing);
    // The timeout only ends a player that wrongly plays on unseen; it is no measure.
    return new Program(dir.Path(), "env -u DISPLAY -u WAYLAND_DISPLAY timeout 120 ./show log",
                       {"SDL_AUDIODRIVER=dummy"});
}

int Production::Play(std::string* log, const std::vector<std::string>& environment,
                     Cost* cost) const {
    XServer x;
    Program* player = Start(x, environment);
    const int code = player->Wait(nullptr, cost);
    delete player;
    *log = Log();
    return code;
}

int Production::Capture(const std::string& arguments, std::string* output, Cost* cost) const {
    XServer x;
    Program capture(dir.Path(),
                    std::string(NIMBUS_CAPTURE_PATH) + " --out frames " + arguments + " show",
                    Environment(x, {}));
    return capture.Wait(output, cost);
}

int Production::CaptureWithoutDisplay(const std::string& arguments, std::string* output,
                                      Cost* cost) const {
    Program capture(dir.Path(),
                    "env -u DISPLAY -u WAYLAND_DISPLAY " + std::string(NIMBUS_CAPTURE_PATH) +
                        " --out frames " + arguments + " show",
                    {"SDL_AUDIODRIVER=dummy"});
    return capture.Wait(output, cost);
}

int Production::Check(std::string* output, Cost* cost) const {
    Program check(dir.Path(),
                  "env -u DISPLAY -u WAYLAND_DISPLAY " + std::string(NIMBUS_CHECK_PATH) + " show",
                  {});
    return check.Wait(output, cost);
}

unsigned long Picture::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) {
        return 0xFFFFFFFFul;
    }
    const unsigned char* p = &rgb[(static_cast<size_t>(y) * width + x) * 3];
    return static_cast<unsigned long>(p[0]) << 16 | p[1] << 8 | p[2];
}

Picture ReadPng(const std::string& path) {
    Picture picture;
    png_image image = {};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) {
        return picture;
    }
    image.format = PNG_FORMAT_RGB;
    picture.rgb.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, picture.rgb.data(), 0, nullptr)) {
        png_image_free(&image);
        picture.rgb.clear();
        return picture;
    }
    picture.width = static_cast<int>(image.width);
    picture.height = static_cast<int>(image.height);
    return picture;
}

bool Near(unsigned long a, unsigned long b, int tolerance) {
    for (int shift : {16, 8, 0}) {
        const int ca = static_cast<int>((a >> shift) & 0xFF);
        const int cb = static_cast<int>((b >> shift) & 0xFF);
        if (std::abs(ca - cb) > tolerance) {
            return false;
        }
    }
    return a <= 0xFFFFFF && b <= 0xFFFFFF;
}

bool WaitForText(const std::string& file, const std::string& text) {
    for (int i = 0; i < kPatience; ++i) {
        if (test::ReadFile(file).find(text) != std::string::npos) {
            return true;
        }
        Pause();
    }
    return false;
}

namespace {

// A window may vanish between listing it and asking for its name (SDL makes and drops
// helper windows while it starts); the default handler would end the test process.
int IgnoreXError(Display*, XErrorEvent*) {
    return 0;
}

Window WaitForNimbusWindow(Display* display) {
    XSetErrorHandler(IgnoreXError);
    Window window = 0;
    for (int i = 0; i < kPatience && !window; ++i) {
        window = FindNimbusWindow(display, DefaultRootWindow(display));
        if (!window) {
            Pause();
        }
    }
    return window;
}

// A window that goes while a request is on its way is no failure of the test.
int IgnoreXErrors(Display*, XErrorEvent*) {
    return 0;
}

}  // namespace

bool CloseWindow(const std::string& displayName) {
    XSetErrorHandler(IgnoreXErrors);
    Display* display = XOpenDisplay(displayName.c_str());
    if (!display) {
        return false;
    }
    const Window window = WaitForNimbusWindow(display);
    if (!window) {
        XCloseDisplay(display);
        return false;
    }
    XEvent event = {};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
    XCloseDisplay(display);
    return window != 0;
}

bool SendKeys(const std::string& displayName, const std::vector<std::string>& keys) {
    Display* display = XOpenDisplay(displayName.c_str());
    if (!display) {
        return false;
    }
    const Window window = WaitForNimbusWindow(display);
    // Distinct times keep a release and the next press of a key from reading as a
    // key repeat.
    Time time = 1000;
    for (const std::string& key : keys) {
        const bool pressOnly = key[0] == '+';
        const bool releaseOnly = key[0] == '-';
        const std::string name = pressOnly || releaseOnly ? key.substr(1) : key;
        const KeyCode code = XKeysymToKeycode(display, XStringToKeysym(name.c_str()));
        if (!releaseOnly) {
            SendKey(display, window, code, true, time += 50);
        }
        if (!pressOnly) {
            SendKey(display, window, code, false, time += 50);
        }
    }
    XCloseDisplay(display);
    return window != 0;
}

bool AwaitScreen(const std::string& displayName, const std::vector<ScreenPoint>& points,
                 std::string* seen) {
    Display* display = XOpenDisplay(displayName.c_str());
    if (!display) {
        *seen = "no display " + displayName;
        return false;
    }
    bool all = false;
    for (int i = 0; i < kPatience && !all; ++i) {
        all = true;
        seen->clear();
        for (const ScreenPoint& point : points) {
            XImage* image = XGetImage(display, DefaultRootWindow(display), point.x, point.y, 1, 1,
                                      AllPlanes, ZPixmap);
            const unsigned long rgb = image ? XGetPixel(image, 0, 0) & 0xFFFFFF : 0xFFFFFFFF;
            if (image) {
                XDestroyImage(image);
            }
            char line[80];
            snprintf(line, sizeof line, "(%d, %d): %06lx, expected %06lx\n", point.x, point.y, rgb,
                     point.rgb);
            *seen += line;
            all = all && Near(rgb, point.rgb);
        }
        if (!all) {
            Pause();
        }
    }
    XCloseDisplay(display);
    return all;
}

int Occurrences(const std::string& text, const std::string& part) {
    int count = 0;
    for (size_t at = 0; (at = text.find(part, at)) != std::string::npos; at += part.size()) {
        ++count;
    }
    return count;
}

}  // namespace playtest
