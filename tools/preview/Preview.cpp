#include "preview/Preview.h"

#include <SDL.h>

#include <clocale>
#include <cstdio>
#include <string>

#include "app/ClassTable.h"
#include "base/Con.h"
#include "cli/StandardOptions.h"
#include "preview/CommandChannel.h"
#include "preview/PreviewCommands.h"
#include "preview/PreviewOptions.h"
#include "preview/PreviewSession.h"
#include "window/Surface.h"

namespace {

constexpr long kSeekMs = 1000;
constexpr long kShiftSeekMs = 10000;
// The window's title changes at most this often: each change is a round trip to the
// display.
constexpr uint64_t kTitleIntervalMs = 250;

// Handles a key the preview takes for itself; false for any other event, which goes
// on to the player's own handling (Escape, the key marks, closing the window).
bool HandleKey(const SDL_Event& event, PreviewSession& session) {
    if (event.type != SDL_KEYDOWN && event.type != SDL_KEYUP) {
        return false;
    }
    const SDL_Keycode key = event.key.keysym.sym;
    const bool shift = (event.key.keysym.mod & KMOD_SHIFT) != 0;
    const bool press = event.type == SDL_KEYDOWN;
    // Held keys repeat: seeking and stepping follow, switches do not.
    const bool first = press && !event.key.repeat;
    switch (key) {
        case SDLK_SPACE:
            if (first) {
                session.Paused() ? session.Play() : session.Pause();
            }
            return true;
        case SDLK_LEFT:
        case SDLK_RIGHT:
            if (press) {
                const long step = shift ? kShiftSeekMs : kSeekMs;
                session.Seek(session.Time() + (key == SDLK_LEFT ? -step : step));
            }
            return true;
        case SDLK_PAGEUP:
            if (press) {
                session.Seek(session.Parts().PreviousStart(session.Time()));
            }
            return true;
        case SDLK_PAGEDOWN:
            if (press) {
                session.Seek(session.Parts().NextStart(session.Time()));
            }
            return true;
        case SDLK_HOME:
            if (press) {
                session.Seek(0);
            }
            return true;
        case SDLK_COMMA:
        case SDLK_PERIOD:
            if (press && session.Paused()) {
                session.Step(key == SDLK_COMMA ? -1 : 1);
            }
            return true;
        case SDLK_l:
            if (first) {
                session.LoopCurrentPart();
            }
            return true;
        case SDLK_r:
            if (first) {
                session.Reload();
            }
            return true;
        case SDLK_f:
            if (first) {
                session.ToggleFullScreen();
            }
            return true;
        default:
            return false;
    }
}

void PumpEvents(PreviewSession& session) {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (event.type == SDL_QUIT) {
            QuitRequested = true;
        } else if (!HandleKey(event, session)) {
            // Key marks are made at the preview's time.
            NSurface::WindowProc(event, static_cast<float>(session.Time() * 0.001));
        }
    }
}

// The time and the part, as the replies that move the time give them.
std::string Where(const PreviewSession& session) {
    char time[32];
    snprintf(time, sizeof time, "%.3f", session.Time() * 0.001);
    return "ok " + std::string(time) + " " + session.PartName();
}

// Carries out one command and answers it; sets `quit` for quit.
void Execute(const PreviewCommand& command, PreviewSession& session, CommandChannel& channel,
             bool* quit) {
    using Kind = PreviewCommand::Kind;
    switch (command.kind) {
        case Kind::kSeek:
            session.Seek(command.number);
            break;
        case Kind::kPause:
            session.Pause();
            break;
        case Kind::kPlay:
            session.Play();
            break;
        case Kind::kStep:
            session.Step(command.number);
            break;
        case Kind::kPart: {
            const PartSpan* span = session.Parts().Find(command.text);
            if (!span) {
                channel.Reply("error no part is called '" + command.text + "'");
                return;
            }
            session.Seek(span->from);
            break;
        }
        case Kind::kSnap:
            channel.Reply(session.Snap(command.text) ? "ok " + command.text
                                                     : "error can't write " + command.text);
            return;
        case Kind::kReload:
            if (!session.Reload()) {
                const int errors = session.ReloadErrors();
                channel.Reply("error reload failed: " + std::to_string(errors) +
                              (errors == 1 ? " error" : " errors"));
                return;
            }
            break;
        case Kind::kTime:
            break;
        case Kind::kQuit:
            channel.Reply("ok");
            *quit = true;
            return;
        case Kind::kInvalid:
            channel.Reply("error " + command.text);
            return;
    }
    channel.Reply(Where(session));
}

// The frames shown in the last whole second, while playing.
class FrameRate {
  public:
    void Count(uint64_t now) {
        ++frames;
        if (now - since >= 1000) {
            rate = frames;
            frames = 0;
            since = now;
        }
    }
    int Rate() const { return rate; }

  private:
    uint64_t since = 0;
    int frames = 0;
    int rate = 0;
};

int RunPreview(const PreviewOptions& options, CommandChannel* channel) {
    PreviewSession session(options.path);
    if (!session.Start()) {
        return 1;
    }
    if (options.loop) {
        session.SetLoop(options.loopFrom, options.loopTo);
    }
    session.Seek(options.atMilliseconds);
    session.Play();
    FrameRate rate;
    std::string title;
    uint64_t titleTicks = 0;
    bool quit = false;
    while (!quit && !QuitRequested) {
        PumpEvents(session);
        std::string line;
        while (channel && !quit && channel->NextLine(&line)) {
            Execute(ParseCommand(line), session, *channel, &quit);
        }
        if (session.FilesChanged()) {
            session.Reload();
        }
        session.Advance();
        session.Present();
        const uint64_t now = SDL_GetTicks64();
        rate.Count(now);
        if (now - titleTicks >= kTitleIntervalMs) {
            const std::string next = session.Title(rate.Rate());
            if (next != title) {
                title = next;
                session.SetTitle(title);
            }
            titleTicks = now;
        }
    }
    return 0;
}

}  // namespace

int PreviewMain(int argc, char** argv) {
    if (AnswerStandardOption(argc, argv, "nimbus-preview", kPreviewUsage)) {
        return 0;
    }
    PreviewOptions options;
    std::string error;
    if (!ParsePreviewOptions(argc, argv, &options, &error)) {
        fprintf(stderr, "nimbus-preview: %s\n%s", error.c_str(), kPreviewUsage);
        return 2;
    }
    CommandChannel channel;
    if (options.commands && !channel.Open()) {
        fprintf(stderr, "nimbus-preview: can't take over standard output for the replies\n");
        return 1;
    }
    // SDL sets window titles through Xlib's text conversion, which in the C locale
    // cannot give the UTF-8 title window managers show; only the character type
    // changes, so numbers read and print as before.
    setlocale(LC_CTYPE, "C.UTF-8");
    Con.SetEcho(true);
    NClassRegistration();
    return RunPreview(options, options.commands ? &channel : nullptr);
}
