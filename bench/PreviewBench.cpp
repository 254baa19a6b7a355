// What the preview's two promises cost on the bundled show: a seek, played forward
// without drawing from the latest time the demo can restart from (and, for
// comparison, from the start, as before restart times), and a reload, from the save
// of a shader to the new picture in the window.
//
// The seeks run on the renderer that draws nothing and need no display; the reload
// opens the preview's window and needs one (xvfb-run will do), and is skipped without.
#include <benchmark/benchmark.h>

#include <SDL.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "app/ClassTable.h"
#include "app/Demo.h"
#include "app/DemoPlayer.h"
#include "app/FrameClock.h"
#include "base/Con.h"
#include "document/NimbusDocument.h"
#include "io/Data.h"
#include "preview/PreviewSession.h"
#include "render/NullSurface.h"
#include "sound/CurrentSound.h"

namespace {

constexpr int kFps = PreviewSession::kFramesPerSecond;

long FrameTime(long frame) {
    return frame * 1000 / kFps;
}

// The bundled show compiled and prepared once, on the renderer that draws nothing.
struct UndrawnShow {
    UndrawnShow() {
        NClassRegistration();
        DefaultInput.Mount(kDirectoryMode, NIMBUS_DEMO_DIR);
        DefaultInput.SetAsDefault(false);
        Document.Load("demo.xml");
        demo = static_cast<NDemo*>(Document.CompileAndFind("Demo"));
        surface.Open();
        if (demo) {
            demo->musicSwitch = false;
            demo->SetClock(&clock);
            demo->Init();
        }
    }

    // Plays every frame of the clock from `first` up to the one before `target`
    // without drawing, then the frame at `target`, as a seek does.
    void PlayTo(long first, long target) {
        demo->Rewind();
        for (long k = first; FrameTime(k) < target; ++k) {
            At(FrameTime(k));
        }
        At(target);
    }
    void At(long milliseconds) {
        clock.milliseconds = static_cast<int>(milliseconds);
        PlayUndrawnFrame(surface, *demo);
    }

    NNullSurface surface;
    SetClock clock;
    NDemo* demo = nullptr;
};

UndrawnShow& Show() {
    static UndrawnShow& show = *new UndrawnShow;
    return show;
}

// From the start, every frame to the target: the capture tool's way, and the
// seek's when nothing earlier will do.
void BM_PlayFromStartTo(benchmark::State& state) {
    UndrawnShow& show = Show();
    if (!show.demo) {
        state.SkipWithError("the bundled show did not load");
        return;
    }
    for (auto _ : state) {
        show.PlayTo(0, state.range(0) * 1000);
    }
}

// The preview's seek: from a few frames before the latest restart time.
void BM_SeekTo(benchmark::State& state) {
    UndrawnShow& show = Show();
    if (!show.demo) {
        state.SkipWithError("the bundled show did not load");
        return;
    }
    const long target = state.range(0);
    const float warmUp = static_cast<float>(PreviewSession::kWarmUpFrames) / kFps;
    for (auto _ : state) {
        const float restart =
            show.demo->RestartTime(ClockSeconds(static_cast<int>(target)), warmUp);
        long first = static_cast<long>(restart * kFps) - PreviewSession::kWarmUpFrames - 1;
        show.PlayTo(std::max(0L, first), target);
    }
    state.SetLabel(
        "from " +
        std::to_string(show.demo->RestartTime(ClockSeconds(static_cast<int>(target)), warmUp)) +
        " s");
}

// From writing the shader the raytraced planets are shaded with, at 20 s, to the
// picture drawn with it in the window: the watch's settling, the copy, the load, the
// seek and the first frame shown.
void BM_ReloadAfterShaderSave(benchmark::State& state) {
    if (!getenv("DISPLAY")) {
        state.SkipWithError("needs a display");
        return;
    }
    namespace fs = std::filesystem;
    const fs::path folder =
        fs::temp_directory_path() / ("nimbus-preview-bench-" + std::to_string(getpid()));
    fs::create_directories(folder);
    fs::copy(NIMBUS_DEMO_DIR, folder / "data", fs::copy_options::recursive);
    const fs::path shader = folder / "data" / "Traced.glfrag";
    std::ifstream in(shader);
    const std::string source{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    Con.SetEcho(false);
    NClassRegistration();
    {
        PreviewSession session((folder / "demo").string());
        if (!session.Start()) {
            state.SkipWithError("the preview did not start");
        } else {
            session.Seek(20000);
            int saves = 0;
            for (auto _ : state) {
                std::ofstream(shader) << source << "// save " << ++saves << "\n";
                while (!session.FilesChanged()) {
                    SDL_Delay(1);
                }
                session.Reload();
                session.Present();
            }
        }
    }
    fs::remove_all(folder);
}

}  // namespace

BENCHMARK(BM_PlayFromStartTo)->Arg(60)->Unit(benchmark::kMillisecond);
// 60 s lies in the finale; 47.9 s at the end of the isosurface's part, which needs
// its part from the start: the longest seek of the show.
BENCHMARK(BM_SeekTo)->Arg(60000)->Arg(47900)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReloadAfterShaderSave)->Unit(benchmark::kMillisecond)->Iterations(10);

BENCHMARK_MAIN();
