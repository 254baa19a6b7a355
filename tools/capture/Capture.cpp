#include "capture/Capture.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/AppPath.h"
#include "app/Application.h"
#include "app/ClassTable.h"
#include "app/Demo.h"
#include "app/DemoPlayer.h"
#include "base/Con.h"
#include "base/FrameStats.h"
#include "base/Ticks.h"
#include "capture/Export.h"
#include "capture/OffscreenFrame.h"
#include "capture/StatsTable.h"
#include "capture/SteppedClock.h"
#include "cli/StandardOptions.h"
#include "document/NimbusDocument.h"
#include "render/NullSurface.h"
#include "render/OpenGLSurface.h"

namespace {

// The capture's clock stands in for the tick count as well: time guards then measure
// the show's time, which moves only from frame to frame, not what drawing costs.
SteppedClock* tickClock = nullptr;

uint32_t SteppedTicks() {
    return tickClock ? static_cast<uint32_t>(tickClock->Milliseconds()) : 0;
}

std::string FramePath(const CaptureOptions& options, long milliseconds) {
    char name[32];
    snprintf(name, sizeof name, "-%07ld.png", milliseconds);
    return options.outDir + "/" + GetAppName() + name;
}

// When the show ends: the largest end time of its parts, in milliseconds.
long ShowEndMilliseconds(const NDemo& demo) {
    float end = 0;
    for (const NListNodeClass* part = demo.PartList.next; part; part = part->next) {
        end = std::max(end, static_cast<const NPart*>(part)->EndTime);
    }
    return std::lround(end * 1000.0);
}

// Whether frame `k` is drawn: the frames written and the one before each, so that a
// written frame follows a drawn one as in a play that draws them all. The rest are
// played without drawing, which moves every effect on alike at a fraction of the cost.
bool Draws(const CapturePlan& plan, long k) {
    return plan.Wants(k) || plan.Wants(k + 1);
}

// Plays frame after frame from time 0; returns the last frame played, -1 for none.
// Each frame's cost goes into `stats` when there is one; the planned pictures are
// written from `frame` when there is one.
long CaptureFrames(DemoPlayer& player, SteppedClock& clock, const CapturePlan& plan,
                   const CaptureOptions& options, OffscreenFrame* frame, StatsTable* stats) {
    const long showEnd = ShowEndMilliseconds(*player.demo);
    long drawn = -1;
    for (long k = 0; plan.LastFrame() < 0 || k <= plan.LastFrame(); ++k) {
        clock.frame = k;
        const bool going =
            !frame || Draws(plan, k) ? player.PlayFrame() : player.PlayFrameUndrawn();
        const bool ended = player.demo->finished;
        // A frame at the show's very end time is its last: it keeps the picture the
        // show ends on.
        if (ended && plan.Milliseconds(k) != showEnd) {
            break;
        }
        drawn = k;
        if (stats) {
            stats->Add(player.demo->currentPart, TheFrameStats);
        }
        if (frame && plan.Wants(k)) {
            const std::string path = FramePath(options, plan.Milliseconds(k));
            if (!frame->WritePng(path)) {
                Con.Error("nimbus-capture: can't write %s", path.c_str());
            }
        }
        if (!going || ended) {
            break;
        }
    }
    return drawn;
}

// Writes the chosen frames as pictures and, when asked, the table of what each part
// cost.
void CaptureStills(DemoPlayer& player, SteppedClock& clock, const CapturePlan& plan,
                   const CaptureOptions& options, OffscreenFrame* frame) {
    StatsTable stats(*player.demo);
    TheFrameStats.enabled = options.stats;
    const long drawn =
        CaptureFrames(player, clock, plan, options, frame, options.stats ? &stats : nullptr);
    if (options.stats) {
        stats.Print(stdout);
    }
    if (drawn < plan.LastFrame()) {
        const long ended =
            std::min(plan.Milliseconds(drawn + 1), ShowEndMilliseconds(*player.demo));
        Con.Warning("nimbus-capture: the show ended at %.3f s, before %.3f s", ended * 0.001,
                    plan.Milliseconds(plan.LastFrame()) * 0.001);
    }
}

// Draws the planned frames into an offscreen frame: a video, or the chosen frames as
// pictures. Without drawing, only the table of costs comes out.
void DrawFrames(DemoPlayer& player, SteppedClock& clock, const CapturePlan& plan,
                const CaptureOptions& options) {
    if (options.noDraw) {
        CaptureStills(player, clock, plan, options, nullptr);
        return;
    }
    OffscreenFrame frame;
    if (!frame.Open(options.output.width, options.output.height)) {
        Con.Error("nimbus-capture: the renderer offers no offscreen framebuffer");
    } else if (options.output.Exporting()) {
        ExportVideo(player, clock, options, frame);
    } else {
        CaptureStills(player, clock, plan, options, &frame);
    }
}

NSurface* MakeSurface(const CaptureOptions& options) {
    if (options.noDraw) {
        return new NNullSurface;
    }
    auto* surface = new NOpenGLSurface;
    // The surface letterboxes the picture in the offscreen frame, whatever its size.
    surface->SetDrawableSize(options.output.width, options.output.height);
    // Frames follow the stepped clock, not the display.
    surface->SetFramePacing(false);
    return surface;
}

void CaptureDemo(NDemo* demo, const CaptureOptions& options) {
    const CapturePlan plan(options);
    SteppedClock clock(plan);
    DemoPlayer player;
    player.surface = MakeSurface(options);
    player.demo = demo;
    demo->musicSwitch = true;
    demo->SetClock(&clock);
    tickClock = &clock;
    SetTickSource(SteppedTicks);
    player.Prepare();
    if (player.CanDraw()) {
        DrawFrames(player, clock, plan, options);
    }
    player.surface->Close();
    SetTickSource(nullptr);
    tickClock = nullptr;
}

}  // namespace

void RunCapture(const CaptureOptions& options) {
    if (!CanExport(options)) {
        return;
    }
    std::error_code failed;
    std::filesystem::create_directories(options.outDir, failed);
    SetExecutablePath(options.path.c_str());
    NDemo* demo = LoadDemo();
    if (!demo) {
        return;
    }
    if (options.output.SoundOnly()) {
        // The sound needs no frames drawn, so no display either.
        ExportSound(*demo, options);
        delete demo;
    } else {
        CaptureDemo(demo, options);
    }
    Document.Destroy();
}

int CaptureMain(int argc, char** argv) {
    if (AnswerStandardOption(argc, argv, "nimbus-capture", kCaptureUsage)) {
        return 0;
    }
    CaptureOptions options;
    std::string error;
    if (!ParseCaptureOptions(argc, argv, &options, &error)) {
        fprintf(stderr, "nimbus-capture: %s\n%s", error.c_str(), kCaptureUsage);
        return 2;
    }
    // Frames are not drawn in real time, so the music would only run out of step;
    // it still loads and plays (silently, unless a driver is chosen) so that its
    // problems are reported as the player reports them.
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    Con.SetEcho(true);
    Con.AttachFile(true);
    NClassRegistration();
    RunCapture(options);
    if (Con.ErrorCount() != 0) {
        Con.Print("NCon Failed:\n");
        Con.PrintErrorCount();
        return 1;
    }
    return 0;
}
