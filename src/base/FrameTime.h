// The time of the frame being drawn, shared by the demo timeline (which sets it
// once per frame) and every animated value (which only reads it).
#pragma once

#include <cstdint>

// Seconds since the current part began; 0 while the loading image is drawn.
extern float CurrentTime;
// Fade factor of the current part, 0..1; 1 outside its fade-in and fade-out.
extern float PartFade;
// Frames drawn so far, counted by the scenes as each begins one, so that a
// drawable can tell whether what it kept is from the frame just before. It wraps.
extern uint32_t FrameNumber;
