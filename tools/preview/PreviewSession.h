// The preview's production in its window, at a time the author drives: loading and
// reloading it, seeking, pausing, stepping, looping, and what the window shows.
//
// Every frame is drawn into a 640 x 480 offscreen frame, exactly as the capture tool
// draws it, and shown scaled in the window; a paused preview shows that frame again
// rather than drawing a new one, since drawing is what moves effects on. A seek plays
// from a few frames before the latest time the demo can restart from
// (NDemo::RestartTime) up to the wanted time on the capture tool's clock of 30 frames
// a second, drawing only the last two frames, so the frame at a time is the one the
// capture tool writes for that time.
#pragma once

#include <cstdint>
#include <string>

#include "app/FrameClock.h"
#include "capture/OffscreenFrame.h"
#include "preview/PartGuide.h"
#include "preview/PreviewMusic.h"
#include "preview/ProductionCopies.h"
#include "preview/SourceWatcher.h"
#include "render/OpenGLSurface.h"

class NDemo;

class PreviewSession {
  public:
    // The clock seeks and steps run on: the capture tool's default.
    static constexpr int kFramesPerSecond = 30;
    // Frames a seek plays before the time it restarts from: a frame depends on two
    // before it at most, and one more costs little.
    static constexpr int kWarmUpFrames = 3;

    // `path` names the production as the player's own path does: dir/show.
    explicit PreviewSession(const std::string& path);
    ~PreviewSession();
    PreviewSession(const PreviewSession&) = delete;
    PreviewSession& operator=(const PreviewSession&) = delete;

    // Opens the window and loads the production, paused at 0 with nothing drawn yet;
    // false, logged, when either fails.
    bool Start();
    // Loads the production again from its files and goes on at the same time, paused
    // or playing as before. When it no longer loads, it reloads the last production
    // that did and returns false; ReloadErrors() tells how many errors the failed
    // load counted.
    bool Reload();
    // Whether the production's files changed and have settled since the last call.
    bool FilesChanged();

    // Shows the frame at `milliseconds`, clamped to the show; the music follows.
    void Seek(long milliseconds);
    // `frames` frames of the stepping clock on from the one nearest the time, paused.
    void Step(long frames);
    void Pause();
    // From the start again once play has reached the end.
    void Play();
    bool Paused() const { return paused; }
    // Plays the span over and over while playing.
    void SetLoop(long from, long to);
    // Loops the part shown now, or ends looping when it is on.
    void LoopCurrentPart();

    // While playing: draws the frame for the time now, going back to the loop's start
    // at its end and pausing at the show's end.
    void Advance();
    // Shows the last frame drawn in the window.
    void Present();
    // Writes the last frame drawn as a 640 x 480 PNG, as the capture tool would.
    bool Snap(const std::string& path);
    void ToggleFullScreen();
    void SetTitle(const std::string& title);

    long Time() const { return time; }
    // The part the last frame showed: its name, "end" past the show's end.
    std::string PartName() const;
    const PartGuide& Parts() const { return parts; }
    // The errors of the last reload when it failed, 0 after one that loaded.
    int ReloadErrors() const { return reloadErrors; }
    // "demo — Spheres — 20.03 / 68.00 s — 60 fps", with what else the author should see.
    std::string Title(int framesPerSecond) const;

  private:
    // Loads the copy `path` names and prepares its demo; the errors counted meanwhile
    // go to `errors`.
    NDemo* Load(const std::string& path, int* errors);
    // Destroys every object the last load made, the demo among them.
    void Unload();
    // Takes the new demo's parts and music.
    void Adopt(NDemo* loaded);
    void DrawAt(long milliseconds);
    void PlayUndrawnAt(long milliseconds);
    void StartMusicClock();

    ProductionCopies copies;
    NOpenGLSurface surface;
    OffscreenFrame frame;
    PreviewMusic music;
    SourceWatcher watcher;
    PartGuide parts;
    SetClock clock;
    NDemo* demo = nullptr;
    // The copy the demo was loaded from, and whether it loaded without errors.
    std::string loadedCopy;
    bool clean = false;
    int reloadErrors = 0;

    long time = 0;
    bool paused = true;
    // While playing, the time is anchorTime plus the ticks since anchorTicks.
    long anchorTime = 0;
    uint64_t anchorTicks = 0;
    bool looping = false;
    long loopFrom = 0;
    long loopTo = 0;
};
