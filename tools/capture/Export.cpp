#include "capture/Export.h"

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/Demo.h"
#include "app/DemoPlayer.h"
#include "base/Con.h"
#include "capture/ExportProgress.h"
#include "capture/ExportSound.h"
#include "capture/OffscreenFrame.h"
#include "capture/SteppedClock.h"
#include "capture/VideoEncoder.h"
#include "sound/CurrentSound.h"

namespace {

// The longest show an export can address, as for the capture's own times.
constexpr float kLatestSeconds = 24.0f * 3600.0f;

// Opens the file for appending, so an existing one is left as it is until the
// export overwrites it.
bool CanWrite(const std::string& path) {
    if (path.empty()) {
        return true;
    }
    FILE* file = fopen(path.c_str(), "ab");
    if (!file) {
        Con.Error("nimbus-capture: can't write %s: %s", path.c_str(), strerror(errno));
        return false;
    }
    fclose(file);
    return true;
}

// The first frame at or after `milliseconds`.
long FrameAt(long milliseconds, int fps) {
    return (milliseconds * fps + 999) / 1000;
}

// The span of the options for the demo, logged when it holds no frame.
bool PlanSpan(const NDemo& demo, const CaptureOptions& options, ExportSpan* span) {
    const long showEndFrame = ShowEndFrame(options, ShowEnd(demo));
    *span = PlanExport(options, showEndFrame);
    if (options.range && FrameAt(options.toMilliseconds, options.fps) > showEndFrame) {
        Con.Warning("nimbus-capture: the show ends at %.3f s, before %.3f s",
                    static_cast<double>(showEndFrame) / options.fps,
                    options.toMilliseconds * 0.001);
    }
    if (span->end <= span->first) {
        Con.Error("nimbus-capture: nothing to export: no frame of the show is in the span");
        return false;
    }
    return true;
}

bool WriteSound(const NDemo& demo, const ExportSpan& span, int fps, const std::string& path) {
    if (!WriteExportSound(demo, span.first, span.end, fps, path)) {
        Con.Error("nimbus-capture: can't write %s", path.c_str());
        return false;
    }
    return true;
}

// A WAV file in the temporary folder for the encoder to read, removed with the object.
class TemporaryWav {
  public:
    TemporaryWav() {
        const char* folder = getenv("TMPDIR");
        std::string pattern =
            std::string(folder && *folder ? folder : "/tmp") + "/nimbus-export-XXXXXX.wav";
        const int fd = mkstemps(pattern.data(), 4);
        if (fd >= 0) {
            close(fd);
            path = pattern;
        }
    }
    ~TemporaryWav() {
        if (!path.empty()) {
            unlink(path.c_str());
        }
    }
    TemporaryWav(const TemporaryWav&) = delete;
    TemporaryWav& operator=(const TemporaryWav&) = delete;

    std::string path;
};

// Plays frames 0 to the span's end and sends those of the span to the encoder; the
// frames before the one before the span are not drawn.
void PipeFrames(DemoPlayer& player, SteppedClock& clock, const ExportSpan& span, int fps,
                OffscreenFrame& frame, VideoEncoder& encoder) {
    ExportProgress progress(span.end, fps);
    for (long k = 0; k < span.end; ++k) {
        clock.frame = k;
        const bool going = k + 1 >= span.first ? player.PlayFrame() : player.PlayFrameUndrawn();
        if (k >= span.first && !encoder.WriteFrame(frame.ReadRgb(), frame.RgbBytes())) {
            break;
        }
        progress.Update(k + 1);
        if (!going && k + 1 < span.end) {
            Con.Warning("nimbus-capture: play ended at frame %ld, before the span's end", k);
            break;
        }
    }
    progress.Finish();
}

}  // namespace

bool CanExport(const CaptureOptions& options) {
    const ExportOptions& output = options.output;
    if (!output.videoPath.empty() && !ProgramOnPath("ffmpeg")) {
        Con.Error("nimbus-capture: ffmpeg is not installed; scripts/install-deps.sh installs it");
        return false;
    }
    return CanWrite(output.videoPath) && CanWrite(output.wavPath);
}

float ShowEnd(const NDemo& demo) {
    float end = 0;
    for (const NListNodeClass* node = demo.PartList.next; node; node = node->next) {
        end = std::max(end, static_cast<const NPart*>(node)->EndTime);
    }
    return std::min(end, kLatestSeconds);
}

long ShowEndFrame(const CaptureOptions& options, float showEnd) {
    const CapturePlan plan(options);
    // The clock reads whole milliseconds as a float, as the demo reads them.
    const auto over = [&](long frame) {
        return ClockSeconds(static_cast<int>(plan.Milliseconds(frame))) >= showEnd;
    };
    long frame = std::max(0L, static_cast<long>(showEnd * options.fps) - 1);
    while (frame > 0 && over(frame - 1)) {
        --frame;
    }
    while (!over(frame)) {
        ++frame;
    }
    return frame;
}

ExportSpan PlanExport(const CaptureOptions& options, long showEndFrame) {
    ExportSpan span;
    span.end = showEndFrame;
    if (options.range) {
        span.first = std::min(FrameAt(options.fromMilliseconds, options.fps), showEndFrame);
        span.end = std::min(FrameAt(options.toMilliseconds, options.fps), showEndFrame);
    }
    return span;
}

void ExportSound(const NDemo& demo, const CaptureOptions& options) {
    ExportSpan span;
    if (PlanSpan(demo, options, &span)) {
        WriteSound(demo, span, options.fps, options.output.wavPath);
    }
}

void ExportVideo(DemoPlayer& player, SteppedClock& clock, const CaptureOptions& options,
                 OffscreenFrame& frame) {
    ExportSpan span;
    if (!PlanSpan(*player.demo, options, &span)) {
        return;
    }
    TemporaryWav temporary;
    const std::string& wavPath =
        options.output.wavPath.empty() ? temporary.path : options.output.wavPath;
    if (wavPath.empty()) {
        Con.Error("nimbus-capture: can't make a temporary file for the sound");
        return;
    }
    if (!WriteSound(*player.demo, span, options.fps, wavPath)) {
        return;
    }
    VideoEncoder encoder;
    const VideoFormat format = {frame.Width(), frame.Height(), options.fps};
    if (!encoder.Start(format, wavPath, options.output.videoPath)) {
        return;
    }
    PipeFrames(player, clock, span, options.fps, frame, encoder);
    encoder.Finish();
}
