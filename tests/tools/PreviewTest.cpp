// The preview end to end on the bundled show, driven through its command channel on
// an X server of its own: what it shows at a time is what the capture tool writes
// for that time, and saves reload it at the same time, or keep the last production
// that loaded when they break it.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <string>
#include <thread>

#include "PlayHarness.h"
#include "TestSupport.h"

// Last: Xlib defines macros (None, Bool) that clash with names in the headers above.
#include <X11/Xlib.h>

using playtest::Picture;
using playtest::Production;
using playtest::ReadPng;

namespace {

// The preview run with --commands on `x` in the production's folder: commands go to
// its standard input and each reply is read from its standard output; what it logs
// goes to "stderr.txt" there.
class PreviewProcess {
  public:
    PreviewProcess(const Production& show, const playtest::XServer& x) {
        int input[2];
        int output[2];
        if (pipe(input) != 0 || pipe(output) != 0) {
            return;
        }
        const std::vector<std::string> environment = playtest::Environment(x);
        pid = fork();
        if (pid == 0) {
            dup2(input[0], STDIN_FILENO);
            dup2(output[1], STDOUT_FILENO);
            close(input[1]);
            close(output[0]);
            if (chdir(show.Path().c_str()) != 0) {
                _exit(127);
            }
            for (const std::string& entry : environment) {
                putenv(strdup(entry.c_str()));
            }
            const std::string command =
                std::string("exec ") + NIMBUS_PREVIEW_PATH + " --commands show 2> stderr.txt";
            execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        close(input[0]);
        close(output[1]);
        commands = input[1];
        replies = output[0];
    }
    ~PreviewProcess() {
        if (pid > 0) {
            kill(pid, SIGKILL);
            Wait();
        }
    }
    PreviewProcess(const PreviewProcess&) = delete;
    PreviewProcess& operator=(const PreviewProcess&) = delete;

    // The reply to `command`; empty when none came within two minutes.
    std::string Send(const std::string& command) {
        const std::string line = command + "\n";
        if (write(commands, line.data(), line.size()) != static_cast<ssize_t>(line.size())) {
            return "";
        }
        return NextLine();
    }
    // Everything the preview wrote to standard output after the replies read so far,
    // once it has exited, and its exit code.
    int Wait(std::string* rest = nullptr) {
        close(commands);
        char chunk[4096];
        ssize_t got;
        while ((got = read(replies, chunk, sizeof chunk)) > 0) {
            received.append(chunk, static_cast<size_t>(got));
        }
        close(replies);
        int status = 0;
        waitpid(pid, &status, 0);
        pid = -1;
        if (rest) {
            *rest = received;
        }
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

  private:
    std::string NextLine() {
        for (int waited = 0; waited < 120000;) {
            const size_t newline = received.find('\n');
            if (newline != std::string::npos) {
                const std::string line = received.substr(0, newline);
                received.erase(0, newline + 1);
                return line;
            }
            pollfd ready = {replies, POLLIN, 0};
            if (poll(&ready, 1, 100) <= 0) {
                waited += 100;
                continue;
            }
            char chunk[4096];
            const ssize_t got = read(replies, chunk, sizeof chunk);
            if (got <= 0) {
                return "";
            }
            received.append(chunk, static_cast<size_t>(got));
        }
        return "";
    }

    pid_t pid = -1;
    int commands = -1;
    int replies = -1;
    std::string received;
};

// A production "show" holding the bundled document and every file beside it.
void CopyBundledShow(const Production& show) {
    for (const auto& entry : std::filesystem::directory_iterator(NIMBUS_DEMO_DIR)) {
        const std::string name = entry.path().filename().string();
        show.Add(name == "demo.xml" ? "show.xml" : name, entry.path().string());
    }
}

// A window may vanish between listing it and reading its title.
int IgnoreXError(Display*, XErrorEvent*) {
    return 0;
}

// The title of the preview's window of production "show", as a window manager reads
// it; empty while there is no such window.
std::string PreviewTitle(Display* display) {
    const Atom name = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    std::string title;
    if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) {
        for (unsigned i = 0; i < count && title.empty(); ++i) {
            Atom type = 0;
            int format = 0;
            unsigned long items = 0;
            unsigned long after = 0;
            unsigned char* data = nullptr;
            if (XGetWindowProperty(display, children[i], name, 0, 1024, False, utf8, &type, &format,
                                   &items, &after, &data) == Success &&
                data) {
                const std::string text(reinterpret_cast<const char*>(data), items);
                title = text.rfind("show \u2014 ", 0) == 0 ? text : "";
                XFree(data);
            }
        }
        if (children) {
            XFree(children);
        }
    }
    return title;
}

// Waits (about a minute at most) until the preview's title holds `text`; the title
// last seen.
std::string AwaitTitle(const playtest::XServer& x, const std::string& text) {
    Display* display = XOpenDisplay(x.Display().c_str());
    if (!display) {
        return "";
    }
    XSetErrorHandler(IgnoreXError);
    std::string title;
    for (int i = 0; i < 600 && title.find(text) == std::string::npos; ++i) {
        title = PreviewTitle(display);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    XCloseDisplay(display);
    return title;
}

bool SamePicture(const Picture& a, const Picture& b) {
    return a.width == 640 && a.height == 480 && a.width == b.width && a.height == b.height &&
           a.rgb == b.rgb;
}

// Snaps until the picture differs from `before` (a reload takes effect in the
// background), at most about a minute; the last snap.
Picture SnapUntilChanged(PreviewProcess& preview, const Production& show, const Picture& before) {
    Picture now;
    for (int i = 0; i < 300; ++i) {
        EXPECT_EQ(preview.Send("snap changed.png"), "ok changed.png");
        now = ReadPng(show / "changed.png");
        if (!SamePicture(now, before)) {
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    return now;
}

}  // namespace

TEST(Preview, ShowsTheCapturedFrameAtATimeAndReloadsSavesAtTheSameTime) {
    const Production show("");
    CopyBundledShow(show);
    std::string output;
    ASSERT_EQ(show.Capture("--at 20", &output), 0) << output;
    const Picture captured = ReadPng(show / "frames/show-0020000.png");

    const playtest::XServer x;
    PreviewProcess preview(show, x);
    // Paused on a frame, the picture stays: drawing is what moves effects on.
    ASSERT_NE(preview.Send("pause").find("ok "), std::string::npos);
    EXPECT_EQ(preview.Send("seek 50.5"), "ok 50.500 Orbit");
    // Back from a later part, through the raytraced planets' own restart.
    EXPECT_EQ(preview.Send("seek 20"), "ok 20.000 Spheres");
    EXPECT_EQ(preview.Send("snap at20.png"), "ok at20.png");
    const Picture atTwenty = ReadPng(show / "at20.png");
    EXPECT_TRUE(SamePicture(atTwenty, captured));
    EXPECT_EQ(AwaitTitle(x, "20.00"), "show \u2014 Spheres \u2014 20.00 / 72.00 s \u2014 paused");
    EXPECT_EQ(preview.Send("seek -5"), "ok 0.000 Dawn");
    EXPECT_EQ(preview.Send("seek 1000"), "ok 72.000 end");
    EXPECT_EQ(preview.Send("part field"), "ok 40.000 Field");
    EXPECT_EQ(preview.Send("step 3"), "ok 40.100 Field");
    EXPECT_EQ(preview.Send("jump 3"), "error unknown command 'jump'");
    EXPECT_EQ(preview.Send("snap no/such/folder/x.png"), "error can't write no/such/folder/x.png");
    EXPECT_EQ(preview.Send("seek 20"), "ok 20.000 Spheres");

    // A save of the raytraced planets' shader: the next snap shows it, at the same time.
    const std::string shader = show / "data/Traced.glfrag";
    const std::string shaderSource = test::ReadFile(shader);
    const std::string tinted = std::regex_replace(shaderSource, std::regex("gl_FragColor = "),
                                                  "gl_FragColor = vec4(0.5, 0.0, 0.0, 0.0) + ");
    ASSERT_NE(tinted, shaderSource);
    test::WriteFile(shader, tinted);
    const Picture edited = SnapUntilChanged(preview, show, atTwenty);
    EXPECT_FALSE(SamePicture(edited, atTwenty));
    EXPECT_GT((edited.At(320, 240) >> 16) & 0xFF, (atTwenty.At(320, 240) >> 16) & 0xFF);
    EXPECT_EQ(preview.Send("time"), "ok 20.000 Spheres");

    // A document that no longer reads: the last production plays on, and the error
    // names the line.
    const std::string document = show / "data/show.xml";
    const std::string text = test::ReadFile(document);
    test::WriteFile(document, "<Nimbus>\n<Scene Name=\"Broken\">\n</Nimbus>\n" + text);
    ASSERT_TRUE(playtest::WaitForText(show / "stderr.txt", "no longer loads"))
        << test::ReadFile(show / "stderr.txt");
    EXPECT_TRUE(
        std::regex_search(test::ReadFile(show / "stderr.txt"), std::regex("show\\.xml\\D*\\b3\\b")))
        << test::ReadFile(show / "stderr.txt");
    EXPECT_EQ(AwaitTitle(x, "reload failed").rfind("show \u2014 reload failed: ", 0), 0u);
    EXPECT_EQ(preview.Send("snap kept.png"), "ok kept.png");
    EXPECT_TRUE(SamePicture(ReadPng(show / "kept.png"), edited));
    EXPECT_EQ(preview.Send("reload").rfind("error reload failed: ", 0), 0u);
    EXPECT_EQ(preview.Send("time"), "ok 20.000 Spheres");

    // The document mended but a shader that no longer builds: the last picture stays.
    test::WriteFile(shader, "void main() { not a shader }\n");
    test::WriteFile(document, text);
    EXPECT_EQ(preview.Send("reload").rfind("error reload failed: ", 0), 0u);
    EXPECT_EQ(preview.Send("snap kept.png"), "ok kept.png");
    EXPECT_TRUE(SamePicture(ReadPng(show / "kept.png"), edited));

    // And the shader as it was: the captured frame once more.
    test::WriteFile(shader, shaderSource);
    EXPECT_TRUE(SamePicture(SnapUntilChanged(preview, show, edited), captured));
    EXPECT_EQ(preview.Send("quit"), "ok");
    std::string rest;
    EXPECT_EQ(preview.Wait(&rest), 0);
    // Standard output carries the replies alone; the log went to standard error.
    EXPECT_EQ(rest, "");
    EXPECT_NE(test::ReadFile(show / "stderr.txt").find("NTexture:"), std::string::npos);
}

TEST(Preview, AProductionThatDoesNotLoadEndsItAtOnceWithItsMessages) {
    const Production show("<Nimbus>\n<Demo Name=\"D\">\n<Bogus/>\n</Demo>\n</Nimbus>\n");
    const playtest::XServer x;
    playtest::Program preview(show.Path(), std::string(NIMBUS_PREVIEW_PATH) + " show",
                              playtest::Environment(x));
    std::string output;
    EXPECT_EQ(preview.Wait(&output), 1);
    EXPECT_NE(output.find("Bogus"), std::string::npos) << output;
}
