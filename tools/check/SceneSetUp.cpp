#include "check/SceneSetUp.h"

#include <cmath>

#include "app/Demo.h"
#include "app/DemoPlayer.h"
#include "app/FrameClock.h"
#include "render/NullSurface.h"

namespace {

// The timeline's time, set to each part's start in turn.
class PartStartClock : public FrameClock {
  public:
    int Milliseconds() override { return milliseconds; }
    int milliseconds = 0;
};

}  // namespace

void SetUpAndPlayFirstFrames(NDemo* demo, const Timeline& timeline) {
    PartStartClock clock;
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
