#include "check/SceneSetUp.h"

#include <cmath>

#include "app/Demo.h"
#include "app/DemoPlayer.h"
#include "app/FrameClock.h"
#include "render/NullSurface.h"

void SetUpAndPlayFirstFrames(NDemo* demo, const Timeline& timeline) {
    SetClock clock;  // set to each part's start in turn
    DemoPlayer player;
    player.surface = new NNullSurface;
    player.demo = demo;
    // The music is decoded on its own; playing it would need an audio device.
    demo->musicSwitch = false;
    demo->SetClock(&clock);
    player.Prepare();
    if (player.CanDraw()) {
        for (const TimelinePart& part : timeline.parts) {
            // The first whole millisecond of the part, which the clock can tell.
            const int start = static_cast<int>(std::ceil(part.start * 1000.0));
            if (part.shown && start < part.end * 1000.0) {
                clock.milliseconds = start;
                player.PlayFrame();
            }
        }
    }
    player.surface->Close();
    demo->SetClock(nullptr);
}
