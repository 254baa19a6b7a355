// The player: opens the surface, shows the loading image, prepares the demo and
// runs one frame per loop turn until the timeline ends or the user quits.
#pragma once

class NDemo;
class NSurface;

// The demo's Update for one frame with `surface` selected, through a renderer that
// keeps the surface renderer's objects but draws nothing (render/UndrawnRenderer.h):
// every value, trace, field and mesh moves on exactly as in a drawn frame, at a
// fraction of the cost, so fast-forwarding to a time gives the picture a play from
// the start shows there.
void PlayUndrawnFrame(NSurface& surface, NDemo& demo);

class DemoPlayer {
  public:
    DemoPlayer() = default;
    // Logs how often the frames' messages repeated, then destroys the demo (music
    // stopped, audio library shut down) and the surface.
    ~DemoPlayer();
    DemoPlayer(const DemoPlayer&) = delete;
    DemoPlayer& operator=(const DemoPlayer&) = delete;

    // Once: opens the surface, draws the loading image and initialises the demo; from
    // then on the log folds repeated messages. On a surface that cannot draw nothing
    // is drawn and the demo is left unprepared, since nothing could be shown.
    void Prepare();
    // Prepare, the loop, then the surface's Close.
    void Run();
    // One turn of the loop: BeginFrame, the demo's Update, EndFrame and the message
    // pump, whose key presses count at the music time. True while play goes on.
    bool PlayFrame();
    // One turn of the loop with nothing drawn (PlayUndrawnFrame), for frames before
    // the one a tool wants to see: no buffer swap and no message pump either. True
    // while play goes on, as for PlayFrame.
    bool PlayFrameUndrawn();
    // True once Prepare opened a surface that can be drawn on.
    bool CanDraw() const;

    bool started = false;
    // The player's window (render/OpenGLSurface.h), or a surface of the renderer that
    // draws nothing (render/NullSurface.h).
    NSurface* surface = nullptr;
    NDemo* demo = nullptr;

  private:
    void DrawLoadingImage();
};
