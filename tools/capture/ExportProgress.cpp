#include "capture/ExportProgress.h"

#include <unistd.h>

#include <cstdio>

namespace {

// A short export needs no progress line.
constexpr auto kFirstLineAfter = std::chrono::seconds(1);
constexpr auto kRedrawEvery = std::chrono::milliseconds(500);

}  // namespace

void FormatProgress(char* text, size_t size, long frame, long frames, double showSeconds,
                    double speed) {
    snprintf(text, size, "frame %ld/%ld  show %.3f s  %.2fx real time", frame, frames, showSeconds,
             speed);
}

ExportProgress::ExportProgress(long frames, int fps)
    : frames(frames), fps(fps), terminal(isatty(STDERR_FILENO) != 0), start(Clock::now()) {
    lastDrawn = start;
}

void ExportProgress::Update(long frame) {
    if (!terminal) {
        return;
    }
    const Clock::time_point now = Clock::now();
    if (now - start < kFirstLineAfter || now - lastDrawn < kRedrawEvery) {
        return;
    }
    lastDrawn = now;
    const double showSeconds = static_cast<double>(frame) / fps;
    const double wallSeconds = std::chrono::duration<double>(now - start).count();
    char line[128];
    FormatProgress(line, sizeof line, frame, frames, showSeconds, showSeconds / wallSeconds);
    // Carriage return and clear to the end: the line is redrawn in place.
    fprintf(stderr, "\r%s\033[K", line);
    drawn = true;
}

void ExportProgress::Finish() {
    if (drawn) {
        fputc('\n', stderr);
        drawn = false;
    }
}
