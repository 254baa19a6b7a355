// The capture tool's export: every frame of a span of the show piped to ffmpeg as an
// MP4 video, with the production's music for exactly that span, or that sound alone
// as a WAV file.
#pragma once

#include "capture/CaptureOptions.h"

class DemoPlayer;
class NDemo;
class OffscreenFrame;
class SteppedClock;

// The frames an export writes: [first, end) on the capture's clock.
struct ExportSpan {
    long first = 0;
    long end = 0;
};

// Before anything is loaded: ffmpeg is there when a video is wanted, and the output
// files can be written. False, logged, when the export cannot be made.
bool CanExport(const CaptureOptions& options);

// The latest end time of the demo's parts: the show is over from there on.
float ShowEnd(const NDemo& demo);
// The first frame of the clock whose time is at or past `showEnd` seconds: the
// frame in which the player finds the timeline over.
long ShowEndFrame(const CaptureOptions& options, float showEnd);
// From the first frame at or after --from up to the last frame before --to, or the
// whole show; cut at `showEndFrame`.
ExportSpan PlanExport(const CaptureOptions& options, long showEndFrame);

// --wav alone: writes the sound of the span, with no frames drawn.
void ExportSound(const NDemo& demo, const CaptureOptions& options);
// --video: writes the sound, then plays the prepared player frame by frame on
// `clock` and pipes the span's frames to ffmpeg.
void ExportVideo(DemoPlayer& player, SteppedClock& clock, const CaptureOptions& options,
                 OffscreenFrame& frame);
