// What one frame cost the engine, for authors: the CPU time of its own work (values,
// nodes, vertex generation, tracing, field steps) apart from the time spent issuing
// OpenGL calls, and the triangles and sprites it submitted. Off unless a tool turns
// it on; then the demo brackets each frame and the drawables count what they submit.
#pragma once

#include <cstdint>

struct FrameStats {
    bool enabled = false;
    // Thread CPU time of the frame's update, the OpenGL submission taken out.
    int64_t engineNanoseconds = 0;
    int64_t submitNanoseconds = 0;
    int32_t triangles = 0;
    // Sprite-mesh sprites and particles; their triangles count in `triangles` too.
    int32_t sprites = 0;
};

extern FrameStats TheFrameStats;

// Clear the counts and start the frame's clock; end it and take the submission out.
void BeginFrameStats();
void EndFrameStats();
// Adds what a drawable submitted.
void CountSubmitted(int32_t triangles, int32_t sprites);

// Times the OpenGL calls issued while it lives. Nested timers count once.
class SubmitTimer {
  public:
    SubmitTimer();
    ~SubmitTimer();
    SubmitTimer(const SubmitTimer&) = delete;
    SubmitTimer& operator=(const SubmitTimer&) = delete;

  private:
    int64_t start = -1;
};
