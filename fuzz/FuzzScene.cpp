// A scene document compiled as the player compiles it, its demo set up on the
// surface that draws nothing and a few frames played through it: everything the
// scenes compute (values, nodes, views, meshes, particles, sprite effects, both
// raytracers and the isosurface) meets the input, as the readers alone never do.
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"
#include "app/Demo.h"
#include "app/DemoPlayer.h"
#include "app/FrameClock.h"
#include "base/Con.h"
#include "document/NimbusDocument.h"
#include "render/NullSurface.h"

namespace {

// Frames on the timeline, in milliseconds: the first part's start and a little of
// its motion. Later parts are reached at their starts; no frame jumps far into a
// part, so effects that catch up on the time they missed stay quick.
constexpr int kEarlyFrames[] = {0, 40, 500, 1500};
constexpr int kPartsVisited = 3;
constexpr int kIntoPart = 40;

// The start of each of the first parts after the first, in milliseconds.
int PartStarts(const NDemo& demo, int* starts) {
    int count = 0;
    for (const NListNodeClass* node = demo.PartList.next; node && count < kPartsVisited;
         node = node->next) {
        const float end = static_cast<const NPart*>(node)->EndTime;
        // Past this the clock's int milliseconds would overflow.
        if (!(end > 0.0f && end < 2.0e6f)) {
            break;
        }
        starts[count++] = static_cast<int>(end * 1000.0f);
    }
    return count;
}

void PlayFrames(NDemo* demo) {
    SetClock clock;
    demo->SetClock(&clock);
    demo->musicSwitch = false;
    DemoPlayer player;
    player.surface = new NNullSurface;
    player.demo = demo;
    player.Prepare();
    int starts[kPartsVisited];
    const int partCount = PartStarts(*demo, starts);
    bool going = player.CanDraw();
    for (const int milliseconds : kEarlyFrames) {
        clock.milliseconds = milliseconds;
        going = going && player.PlayFrame();
    }
    for (int i = 0; i < partCount; ++i) {
        clock.milliseconds = starts[i] + kIntoPart;
        going = going && player.PlayFrame();
    }
    player.surface->Close();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::PrepareEngine();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::WriteInput("show.xml", data, size);
    // As the player: a document that logs while loading or compiling is not played.
    Document.Load("show.xml");
    NClass* demo = Con.ErrorCount() == 0 ? Document.CompileAndFind("Demo") : nullptr;
    if (demo && Con.ErrorCount() == 0) {
        PlayFrames(static_cast<NDemo*>(demo));
    }
    Document.Destroy();
    fuzz::ForgetInput();
    return 0;
}
