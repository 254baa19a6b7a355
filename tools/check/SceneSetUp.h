// Setting a demo up as the player does, on the renderer that draws nothing: every
// part's scene is initialised and the first frame of every part is played, so that
// refusals of set-up (a mesh whose material has the wrong vertex layout, too many
// ray primitives, a camera node without a target) are reported and counted as the
// player reports them, without a window, a display or an audio device.
#pragma once

#include "check/TimelineCheck.h"

class NDemo;

// Prepares `demo` (its music left silent) and plays one frame at the start of each
// part `timeline` shows; then deletes the demo, as the player does when play ends.
void SetUpAndPlayFirstFrames(NDemo* demo, const Timeline& timeline);
