#include "preview/PreviewSession.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "app/AppPath.h"
#include "app/Application.h"
#include "app/Demo.h"
#include "app/DemoPlayer.h"
#include "base/Con.h"
#include "document/NimbusDocument.h"
#include "reflect/ObjectList.h"
#include "reflect/String.h"
#include "render/Shader.h"
#include "sound/CurrentSound.h"

namespace {

// Frame k of the stepping clock, in whole milliseconds as the capture tool has it.
long FrameTime(long frame) {
    return frame * 1000 / PreviewSession::kFramesPerSecond;
}

// The first frame of the stepping clock at which the demo reads a time of at least
// `seconds`.
long FirstFrameFrom(float seconds) {
    long frame =
        std::max(0L, std::lround(std::floor(seconds * PreviewSession::kFramesPerSecond)) - 1);
    while (ClockSeconds(static_cast<int>(FrameTime(frame))) < seconds) {
        ++frame;
    }
    return frame;
}

uint64_t Ticks() {
    return SDL_GetTicks64();
}

}  // namespace

PreviewSession::PreviewSession(const std::string& path) : copies(path) {}

PreviewSession::~PreviewSession() {
    // The objects release their textures and buffers while the context is current.
    Unload();
    music.Close();
}

bool PreviewSession::Start() {
    surface.SetFullScreen(false);
    // Frames are drawn at 640 x 480, as the capture tool draws them, and then shown
    // scaled in the window.
    surface.SetDrawableSize(OffscreenFrame::kWidth, OffscreenFrame::kHeight);
    surface.Open();
    if (!surface.CanDraw()) {
        return false;
    }
    SDL_SetWindowResizable(surface.Window(), SDL_TRUE);
    if (!frame.Open()) {
        Con.Error("nimbus-preview: the renderer offers no offscreen framebuffer");
        return false;
    }
    music.Open();
    const std::string copy = copies.Copy();
    int errors = 0;
    NDemo* loaded = copy.empty() ? nullptr : Load(copy, &errors);
    if (!loaded) {
        return false;
    }
    loadedCopy = copy;
    clean = errors == 0;
    Adopt(loaded);
    if (!watcher.Start(copies.Directory(), copies.Name())) {
        Con.PrintLine("nimbus-preview: can't watch the production's files; R reloads");
    }
    return true;
}

NDemo* PreviewSession::Load(const std::string& path, int* errors) {
    // What the player only notes (a shader that does not build, a missing file) means
    // the production no longer looks as written, so it fails a reload too.
    const auto problems = [] { return Con.ErrorCount() + Con.NoticeCount(); };
    const int before = problems();
    SetExecutablePath(path.c_str());
    NDemo* loaded = LoadDemo();
    if (loaded) {
        // The preview plays the music itself, from any time; the demo's sound is
        // only a clock, and the preview's clock stands in for it.
        loaded->musicSwitch = false;
        loaded->SetClock(&clock);
        loaded->Init();
    }
    *errors = problems() - before;
    return loaded;
}

void PreviewSession::Unload() {
    // Every object the document compiler made is listed, whether or not the load
    // got as far as a demo.
    ObjectList.DestroyAll();
    demo = nullptr;
    // The built-in test scene fills this process-wide shader; the next load builds
    // it again from its sources as they are then.
    DefaultShader.ReleaseProgram();
}

void PreviewSession::Adopt(NDemo* loaded) {
    demo = loaded;
    parts.Build(*demo, Document.Root());
    if (!demo->SoundFile || demo->SoundFile->IsEmpty()) {
        music.Load(nullptr, 0);
        return;
    }
    int size = 0;
    unsigned char* image = demo->LoadMusic(&size);
    if (image && !music.Load(image, size)) {
        Con.PrintLine("NDemo: can't play music");
    }
    delete[] image;
}

bool PreviewSession::Reload() {
    const uint64_t started = Ticks();
    const std::string copy = copies.Copy();
    if (copy.empty()) {
        reloadErrors = 1;
        return false;
    }
    Unload();
    int errors = 0;
    NDemo* loaded = Load(copy, &errors);
    // Errors keep the last production only when it had none itself.
    if (loaded && (errors == 0 || !clean)) {
        loadedCopy = copy;
        clean = errors == 0;
        reloadErrors = 0;
        copies.RemoveAllBut(loadedCopy);
        Adopt(loaded);
        Seek(time);
        Con.PrintLine("nimbus-preview: reloaded in %llu ms",
                      static_cast<unsigned long long>(Ticks() - started));
        return true;
    }
    reloadErrors = std::max(errors, 1);
    Unload();
    // The last production loaded before; its messages were shown then.
    Con.SetEcho(false);
    loaded = Load(loadedCopy, &errors);
    Con.SetEcho(true);
    copies.RemoveAllBut(loadedCopy);
    if (!loaded) {
        Con.Error("nimbus-preview: the last production that loaded no longer does");
        QuitRequested = true;
        return false;
    }
    Adopt(loaded);
    Seek(time);
    Con.PrintLine(
        "nimbus-preview: the production no longer loads (%d error%s); the last one "
        "that did plays on",
        reloadErrors, reloadErrors == 1 ? "" : "s");
    return false;
}

bool PreviewSession::FilesChanged() {
    return watcher.ChangesSettled(Ticks());
}

void PreviewSession::Seek(long milliseconds) {
    if (!demo) {
        return;
    }
    const long target = std::clamp(milliseconds, 0L, parts.ShowEnd());
    const float warmUp = static_cast<float>(kWarmUpFrames) / kFramesPerSecond;
    const float restart = demo->RestartTime(ClockSeconds(static_cast<int>(target)), warmUp);
    demo->Rewind();
    // The frame before the target is drawn: whatever it leaves set in OpenGL is then
    // as in a play from the start.
    for (long k = std::max(0L, FirstFrameFrom(restart) - kWarmUpFrames); FrameTime(k) < target;
         ++k) {
        if (FrameTime(k + 1) < target) {
            PlayUndrawnAt(FrameTime(k));
        } else {
            DrawAt(FrameTime(k));
        }
    }
    DrawAt(target);
    time = target;
    if (!paused) {
        StartMusicClock();
    }
}

void PreviewSession::Step(long frames) {
    Pause();
    const long nearest = std::lround(time * kFramesPerSecond / 1000.0);
    Seek(FrameTime(std::max(0L, nearest + frames)));
}

void PreviewSession::Pause() {
    if (!paused) {
        paused = true;
        music.Pause();
    }
}

void PreviewSession::Play() {
    if (!paused) {
        return;
    }
    paused = false;
    if (time >= parts.ShowEnd()) {
        Seek(looping ? loopFrom : 0);
    } else {
        StartMusicClock();
    }
}

void PreviewSession::StartMusicClock() {
    anchorTime = time;
    anchorTicks = Ticks();
    music.PlayFrom(time);
}

void PreviewSession::SetLoop(long from, long to) {
    looping = true;
    loopFrom = std::clamp(from, 0L, parts.ShowEnd());
    loopTo = std::clamp(to, loopFrom, parts.ShowEnd());
}

void PreviewSession::LoopCurrentPart() {
    const PartSpan* span = demo ? parts.Of(demo->currentPart) : nullptr;
    if (looping || !span) {
        looping = false;
        return;
    }
    SetLoop(span->from, span->to);
}

void PreviewSession::Advance() {
    if (paused || !demo) {
        return;
    }
    const long now = anchorTime + static_cast<long>(Ticks() - anchorTicks);
    if (looping && loopTo > loopFrom && now >= loopTo) {
        Seek(loopFrom);
        return;
    }
    if (now >= parts.ShowEnd()) {
        // Past the end no part draws, so the picture stays the last one.
        DrawAt(parts.ShowEnd());
        time = parts.ShowEnd();
        Pause();
        return;
    }
    DrawAt(now);
    time = now;
}

void PreviewSession::DrawAt(long milliseconds) {
    clock.milliseconds = static_cast<int>(milliseconds);
    surface.BeginFrame();
    demo->Update();
    surface.Deselect();
}

void PreviewSession::PlayUndrawnAt(long milliseconds) {
    clock.milliseconds = static_cast<int>(milliseconds);
    PlayUndrawnFrame(surface, *demo);
}

void PreviewSession::Present() {
    int width = 0;
    int height = 0;
    SDL_GL_GetDrawableSize(surface.Window(), &width, &height);
    frame.ShowInWindow(width, height);
    surface.EndFrame();
}

bool PreviewSession::Snap(const std::string& path) {
    return frame.WritePng(path);
}

void PreviewSession::ToggleFullScreen() {
    SDL_Window* window = surface.Window();
    const bool full = (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
    SDL_SetWindowFullscreen(window, full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
}

void PreviewSession::SetTitle(const std::string& title) {
    SDL_SetWindowTitle(surface.Window(), title.c_str());
}

std::string PreviewSession::PartName() const {
    const PartSpan* span = demo ? parts.Of(demo->currentPart) : nullptr;
    return span ? span->name : "end";
}

std::string PreviewSession::Title(int framesPerSecond) const {
    char clockText[64];
    snprintf(clockText, sizeof clockText, "%.2f / %.2f s", time * 0.001, parts.ShowEnd() * 0.001);
    std::string title = copies.Name() + " \u2014 ";
    if (reloadErrors > 0) {
        title += "reload failed: " + std::to_string(reloadErrors) +
                 (reloadErrors == 1 ? " error" : " errors") + " \u2014 ";
    }
    title += PartName() + " \u2014 " + clockText + " \u2014 ";
    title += paused ? "paused" : std::to_string(framesPerSecond) + " fps";
    if (looping) {
        char loopText[64];
        snprintf(loopText, sizeof loopText, " \u2014 loop %.2f\u2013%.2f s", loopFrom * 0.001,
                 loopTo * 0.001);
        title += loopText;
    }
    return title;
}
